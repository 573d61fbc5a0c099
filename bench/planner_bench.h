#pragma once

#include "large_course.h"
#include "planner/data/course_database.h"
#include "ratio_reporter.h"
#include "runtime/dao/engine.h"
#include "shared/course_settings.h"

#include <QCoreApplication>
#include <functional>

// The copy of the large course that a program's benchmarks share, its class file linked.
inline LargeCourse& linkedLargeCourse() {
    static LargeCourse course;
    static const bool linked = (course.link(course.classFile), true);
    Q_UNUSED(linked);
    return course;
}

// The main of a benchmark of the planner's procedures: the large course's database open as the
// planner's CourseDB (a "0101" course) with its class linked, the benchmarks run in the application App,
// then `report` prints from their times.
template <class App = QCoreApplication>
int runPlannerBenchmarks(int argc, char** argv, const std::function<void(RatioReporter&)>& report) {
    CourseSettings.DBVersion = QStringLiteral("0101");
    CourseDB = rt::DBEngine::instance().workspace().openDatabase(linkedLargeCourse().database);
    const int status = runBenchmarks<App>(argc, argv, report);
    CourseDB = rt::Database();
    rt::DBEngine::instance().workspace().close();
    return status;
}
