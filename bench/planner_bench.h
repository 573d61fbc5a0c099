#pragma once

#include "large_course.h"
#include "planner/data/course_database.h"
#include "ratio_reporter.h"
#include "runtime/dao/engine.h"
#include "runtime/platform.h"
#include "runtime/testing/counting_event_loop.h"
#include "runtime/testing/memory_clipboard.h"
#include "runtime/testing/memory_settings.h"
#include "runtime/testing/recording_cursor.h"
#include "runtime/testing/recording_message_box.h"
#include "runtime/testing/recording_pdf_reader.h"
#include "runtime/testing/scripted_common_dialog.h"
#include "runtime/testing/scripted_shell.h"
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
// planner's CourseDB (a "0101" course) with its class linked, the benchmarks run, then `report` prints
// from their times.
inline int runPlannerBenchmarks(int argc, char** argv, const std::function<void(RatioReporter&)>& report) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    CourseSettings.DBVersion = QStringLiteral("0101");
    CourseDB = rt::DBEngine::instance().workspace().openDatabase(linkedLargeCourse().database);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    report(reporter);
    CourseDB = rt::Database();
    rt::DBEngine::instance().workspace().close();
    benchmark::Shutdown();
    return 0;
}

// The platform's doubles, for the procedures that take the platform: messages recorded, settings in
// memory, the message loop counted.
struct BenchPlatform {
    rt::MemorySettings settings;
    rt::RecordingMessageBox msg;
    rt::ScriptedCommonDialog dialogs;
    rt::MemoryClipboard clipboard;
    rt::ScriptedShell shell;
    rt::RecordingPdfReader pdf;
    rt::CountingEventLoop loop;
    rt::RecordingCursor cursor;
    rt::Platform platform{msg, settings, dialogs, clipboard, shell, pdf, loop, cursor};
};
