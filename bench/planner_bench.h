#pragma once

#include "bench_files.h"
#include "planner/data/course_database.h"
#include "ratio_reporter.h"
#include "runtime/dao/engine.h"
#include "shared/course_settings.h"

#include <QCoreApplication>
#include <functional>

// The main of a benchmark of the planner's procedures: the files' course database open as the planner's
// CourseDB (a "0101" course), the benchmarks run, then `report` prints from their times.
inline int runPlannerBenchmarks(int argc, char** argv, const std::function<BenchFiles&()>& files,
                                const std::function<void(RatioReporter&)>& report) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    CourseSettings.DBVersion = QStringLiteral("0101");
    CourseDB = rt::DBEngine::instance().workspace().openDatabase(files().course);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    report(reporter);
    CourseDB = rt::Database();
    rt::DBEngine::instance().workspace().close();
    benchmark::Shutdown();
    return 0;
}
