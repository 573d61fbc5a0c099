#pragma once

#include "ratio_reporter.h"

#include <QApplication>
#include <functional>

// The main of a benchmark of windows: offscreen unless a platform is chosen, the benchmarks run in a
// widget application, then `report` prints from their times.
inline int runWindowBenchmarks(int argc, char** argv, const std::function<void(RatioReporter&)>& report) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    report(reporter);
    benchmark::Shutdown();
    return 0;
}
