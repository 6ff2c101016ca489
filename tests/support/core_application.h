// Tests that use real ports or timers need an event loop; the application lives for the whole
// run.
#pragma once

#include <QCoreApplication>

inline void EnsureApplication() {
    static int argc = 1;
    static char szName[] = "tests";
    static char* argv[] = {szName, nullptr};
    if (QCoreApplication::instance() == nullptr)
        new QCoreApplication(argc, argv);
}
