#pragma once

#include "planner/core/testing/scripted_dialogs.h"
#include "planner/data/course_database.h"
#include "planner/data/testing/course_fixture.h"
#include "planner/window/plan_x.h"
#include "planner/window/tests/tab_control_registration.h"
#include "runtime/clock.h"
#include "runtime/testing/test_dates.h"
#include "shared/course_settings.h"

#include <memory>

// The main window on SAMPLE1, with the platform's doubles, scripted dialogs and the tab control's
// library registered; today is 13 January 2027.
class MainWindowFixture : public CourseFixture {
protected:
    void SetUp() override {
        CourseFixture::SetUp();
        rt::setToday(rt::day(2027, 1, 13));
        ReadCourseConfig(msg, QStringLiteral(LK_COURSE_DIR "/SAMPLE1/SAMPLE1.cfg"));
        ClassFilePath.clear();
        CurrentLesson = {};
        ASSERT_TRUE(RegisterTabControl(settings, path("components.ini"), CVTAB_OCX));
        window = std::make_unique<PlanX>(planner);
        planner.window = window.get();
    }
    void TearDown() override {
        window.reset();
        rt::setToday(std::nullopt);
        ClassFilePath.clear();
        CourseFixture::TearDown();
    }

    // The texts of the message boxes shown.
    QStringList texts() const {
        QStringList out;
        for (const rt::MbRequest& r : msg.shown) out << r.text;
        return out;
    }

    ScriptedDialogs plannerDialogs;
    bool ended = false;
    Planner planner{platform, plannerDialogs, nullptr, [this] { ended = true; }};
    std::unique_ptr<PlanX> window;
};
