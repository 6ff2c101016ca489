// Helpers shared by the link tests.
#pragma once

#include "core_application.h"
#include "loopback_link.h"
#include "store_builders.h"

#include <QElapsedTimer>

#include <string_view>
#include <vector>

// Hands the bytes to the engine as the port would, one call per byte.
inline void Feed(CTransferProtocol& engine, std::string_view bytes, UINT nPort = 1) {
    for (char c : bytes)
        engine.OnSerialByte(static_cast<BYTE>(c), nPort);
}

inline std::string Block(const std::vector<BYTE>& image, size_t nIndex) {
    return std::string(reinterpret_cast<const char*>(image.data()) + nIndex * 1024, 1024);
}

// Runs the event loop until the condition holds or the time passed.
template <class Condition> bool SpinUntil(Condition done, int nMilliseconds = 2000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < nMilliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}
