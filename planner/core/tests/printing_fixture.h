#pragma once

#include "planner/core/planner.h"
#include "planner/core/report_database.h"
#include "planner/core/testing/recording_main_window.h"
#include "planner/core/testing/scripted_dialogs.h"
#include "planner/data/course_database.h"
#include "planner/data/lesson_plans.h"
#include "planner/data/testing/course_fixture.h"
#include "runtime/dao/engine.h"
#include "runtime/testing/test_dates.h"
#include "tests/support/environment_guard.h"

// SAMPLE1 open with a copy of its worked class (January 2027), the scratch database in a data folder of
// the test's own, the window and the dialogs recorded.
class PrintingFixture : public CourseFixture {
protected:
    void SetUp() override {
        CourseFixture::SetUp();
        environment.set("XDG_DATA_HOME", path("data").toStdString());
        OpenCourseDatabase(platform, "SAMPLE1");
        classFile = attach("sample1.lkc");
        ClassFilePath = classFile;
        setCurrentDate(rt::day(2027, 1, 4));
    }
    void TearDown() override {
        ResetLessonState();
        CourseFixture::TearDown();
    }
    // The current date of the main window, with its plan when it has one.
    static void setCurrentDate(qint32 date) {
        CurrentLesson = {};
        CurrentLesson.LessonPlanID = -999;
        CurrentLesson.TreeID = -999;
        CurrentLesson.LPDate = date;
        GetLessonPlanForDate(date, CurrentLesson);
    }
    // Runs SQL on a database file that is not open.
    static void run(const QString& database, const QStringList& statements) {
        rt::Database db = rt::DBEngine::instance().workspace().openDatabase(database);
        for (const QString& sql : statements) db.execute(sql);
        db.close();
    }

    QString classFile;
    EnvironmentGuard environment;
    ScriptedDialogs plannerDialogs;
    RecordingMainWindow window;
    Planner planner{platform, plannerDialogs, &window, {}};
};
