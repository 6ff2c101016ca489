// Helpers shared by the link tests.
#pragma once

#include "loopback_link.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <random>
#include <string_view>
#include <vector>

inline std::vector<BYTE> RandomImage(unsigned nState, size_t nLength = 0x33000) {
    std::mt19937 generator(nState);
    std::uniform_int_distribution<int> byte(0, 255);
    std::vector<BYTE> image(nLength);
    for (BYTE& b : image)
        b = static_cast<BYTE>(byte(generator));
    return image;
}

// Hands the bytes to the engine as the port would, one call per byte.
inline void Feed(CTransferProtocol& engine, std::string_view bytes, UINT nPort = 1) {
    for (char c : bytes)
        engine.OnSerialByte(static_cast<BYTE>(c), nPort);
}

inline std::string Block(const std::vector<BYTE>& image, size_t nIndex) {
    return std::string(reinterpret_cast<const char*>(image.data()) + nIndex * 1024, 1024);
}

// The tests that use real ports need an event loop; the application lives for the whole run.
inline void EnsureApplication() {
    static int argc = 1;
    static char szName[] = "link_tests";
    static char* argv[] = {szName, nullptr};
    if (QCoreApplication::instance() == nullptr)
        new QCoreApplication(argc, argv);
}

// Runs the event loop until the condition holds or the time passed.
template <class Condition> bool SpinUntil(Condition done, int nMilliseconds = 2000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < nMilliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}
