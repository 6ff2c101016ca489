// The widget benchmarks run Google Benchmark inside a QApplication, offscreen unless a platform
// is chosen.
#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

inline int RunWidgetBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
