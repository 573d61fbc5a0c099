#pragma once

#include "planner/core/class_files.h"
#include "planner/core/planner.h"
#include "planner/core/school_days.h"
#include "planner/core/testing/scripted_dialogs.h"
#include "planner/data/course_database.h"
#include "planner/data/testing/course_fixture.h"
#include "planner/window/plan_x.h"
#include "runtime/clock.h"
#include "runtime/com/component_registry.h"
#include "runtime/com/control.h"
#include "runtime/testing/registered_libraries.h"
#include "runtime/testing/test_dates.h"
#include "shared/course_settings.h"

#include <QMenu>
#include <QMenuBar>
#include <memory>

// A control's own state, whether or not the view that holds it is enabled.
inline bool ownEnabled(const QWidget* w) {
    return w->isEnabledTo(w->parentWidget());
}

// The main window on SAMPLE1, with the platform's doubles, scripted dialogs and the tab control's library
// registered.
class MainWindowTest : public CourseFixture {
protected:
    void SetUp() override {
        CourseFixture::SetUp();
        rt::setToday(rt::day(2027, 1, 13));
        ReadCourseConfig(msg, QStringLiteral(LK_COURSE_DIR "/SAMPLE1/SAMPLE1.cfg"));
        ClassFilePath.clear();
        // As start-up leaves it before any class opens.
        ResetLessonRecord(CurrentLesson);
        rt::registerLibraries(path("components.ini"), {CVCELL_OCX, CVTAB_OCX});
        components = std::make_unique<rt::IniSettings>(path("components.ini"));
        registry = std::make_unique<rt::ComponentRegistry>(*components);
        window = std::make_unique<PlanX>(planner, *registry);
        planner.window = window.get();
    }
    void TearDown() override {
        window.reset();
        rt::setToday(std::nullopt);
        ClassFilePath.clear();
        CourseFixture::TearDown();
    }

    QString open(const QString& fixture = QStringLiteral("sample1.lkc")) {
        const QString file = classFixture(fixture);
        OpenClassFile(planner, file);
        EXPECT_EQ(ClassFilePath, file);
        return file;
    }

    // Each menu item in order: "name|text|enabled|visible|shortcut".
    QStringList menuRows() const {
        QStringList rows;
        const auto row = [&rows](const QAction* a) {
            rows << QStringList{a->objectName(), a->isSeparator() ? "separator" : a->text(),
                                a->isEnabled() ? "on" : "off", a->isVisible() ? "shown" : "hidden",
                                a->shortcut().toString()}
                        .join(u'|');
        };
        for (const QAction* top : window->menuBar()->actions()) {
            row(top);
            for (const QAction* item : top->menu()->actions()) row(item);
        }
        return rows;
    }

    // The one of the four view pictures that is seen.
    QWidget* frontView() const {
        QWidget* front = nullptr;
        for (QObject* child : window->centralWidget()->children())
            for (QWidget* pic :
                 {window->picNoView, window->picDayView, window->picWeekView, window->picMonthView})
                if (child == pic) front = pic;
        return front;
    }

    QStringList texts() const {
        QStringList out;
        for (const rt::MbRequest& r : msg.shown) out << r.text;
        return out;
    }

    ScriptedDialogs plannerDialogs;
    bool ended = false;
    Planner planner{platform, plannerDialogs, nullptr, [this] { ended = true; }};
    std::unique_ptr<rt::IniSettings> components;
    std::unique_ptr<rt::ComponentRegistry> registry;
    std::unique_ptr<PlanX> window;
};

// The main window with a copy of the sample class open and emptied of plans, for a calendar to be
// written on.
class ClassWindowTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        open();
        CourseDB.execute("DELETE FROM LessonResources");
        CourseDB.execute("DELETE FROM LessonPlans");
    }
    void TearDown() override {
        BlockedDays = {0};
        LessonQueue.clear();
        MainWindowTest::TearDown();
    }
};
