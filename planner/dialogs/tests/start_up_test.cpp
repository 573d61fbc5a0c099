#include "modal_driver.h"
#include "planner/core/start_up.h"
#include "planner/core/testing/recording_main_window.h"
#include "planner/data/course_database.h"
#include "planner/data/lesson_plans.h"
#include "planner/data/testing/course_fixture.h"
#include "planner/dialogs/qt_planner_dialogs.h"
#include "runtime/clock.h"
#include "runtime/outside/calendar/month_calendar.h"
#include "runtime/value/date.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// The planner's start-up on SAMPLE1 with the real dialogs, answered by the test as a user would.
class StartUpWithDialogs : public CourseFixture {
protected:
    void SetUp() override {
        CourseFixture::SetUp();
        rt::setToday(rt::daysFromDate(QDate(2027, 1, 13)));
        ClassFilePath.clear();
    }
    void TearDown() override {
        EXPECT_TRUE(driver.done());
        rt::setToday(std::nullopt);
        ClassFilePath.clear();
        CourseFixture::TearDown();
    }
    bool start() { return Main(planner, startUp); }
    QString lastMessageTitle() const { return msg.shown.isEmpty() ? QString() : *msg.shown.last().title; }

    static ModalDriver::Step fillNewClass(const char* button) {
        return [button](QWidget& w) {
            control<QLineEdit>(w, "txtTeacher")->setText(" Ms. Okafor ");
            control<QLineEdit>(w, "txtClass")->setText("2nd period");
            control<QLineEdit>(w, "txtSubject")->setText("Geography");
            control<QPlainTextEdit>(w, "txtComments")->setPlainText("Room 12");
            click(button)(w);
        };
    }

    ModalDriver driver;
    RecordingMainWindow window;
    QtPlannerDialogs dialogsOfThePlanner{platform};
    Planner planner{platform, dialogsOfThePlanner, nullptr, [] { FAIL() << "the program ended"; }};
    StartUp startUp{[] { return false; }, [this] { return &window; }};
};

TEST_F(StartUpWithDialogs, NoClass) {
    driver.then(click("cmdCancel"));
    EXPECT_TRUE(start());
    EXPECT_EQ(window.calls, (QStringList{"ShowNoView", "ShowNoView", "LoadMRUs"}));
    EXPECT_TRUE(ClassFilePath.isEmpty());
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(StartUpWithDialogs, AnExistingClassFile) {
    const QString file = classFixture("sample1.lkc");
    dialogs.choose(file);
    driver.then(steps({choose("opUseExisting"), click("cmdOK")}));
    EXPECT_TRUE(start());
    EXPECT_EQ(ClassFilePath, file);
    EXPECT_TRUE(ClassTablesAttached);
    EXPECT_EQ(window.calls.mid(window.calls.size() - 2), (QStringList{"FocusLessonGrid", "LoadMRUs"}));
}

TEST_F(StartUpWithDialogs, ANewClass) {
    dialogs.choose(path("geography.lkc"));
    driver.then(steps({choose("opCreateNew"), click("cmdOK")})).then(fillNewClass("cmdOK"));
    EXPECT_TRUE(start());
    EXPECT_EQ(ClassFilePath, path("geography.lkc"));
    EXPECT_EQ(ClassTeacher, "Ms. Okafor");
    EXPECT_EQ(ClassPeriod, "2nd period");
    EXPECT_EQ(ClassSubject, "Geography");
    EXPECT_EQ(ClassComments, "Room 12");
    EXPECT_EQ(lastMessageTitle(), "Create a new class");
    EXPECT_EQ(window.calls.mid(window.calls.size() - 2), (QStringList{"FocusScheduleLessons", "LoadMRUs"}));
}

TEST_F(StartUpWithDialogs, ANewClassWithItsCalendar) {
    dialogs.choose(path("geography.lkc"));
    bool classOpenInCalendar = false;
    driver.then(steps({choose("opCreateNew"), click("cmdOK")}))
        .then(fillNewClass("cmdSpecial"))
        .then([&](QWidget& w) {
            classOpenInCalendar = ClassTablesAttached && ClassFilePath == path("geography.lkc");
            w.findChild<rt::MonthCalendar*>("SSMonth1")->setDate(rt::daysFromDate(QDate(2027, 1, 15)));
            control<QComboBox>(w, "cboSpecial")->setCurrentText("Holiday");
            click("cmdAdd")(w);
            click("cmdClose")(w);
        });
    EXPECT_TRUE(start());
    EXPECT_TRUE(classOpenInCalendar);
    EXPECT_EQ(ClassTeacher, "Ms. Okafor");
    bool scheduled = false, blocked = false;
    IsLessonScheduled(rt::daysFromDate(QDate(2027, 1, 15)), scheduled, blocked);
    EXPECT_TRUE(blocked);
    QStringList titles;
    for (const rt::MbRequest& r : msg.shown) titles << *r.title;
    EXPECT_EQ(titles, (QStringList{"Special Day", "Create a new class"}));
}

TEST_F(StartUpWithDialogs, ANewClassCancelledInTheSaveDialog) {
    dialogs.cancel();
    driver.then(steps({choose("opCreateNew"), click("cmdOK")})).then(fillNewClass("cmdOK"));
    EXPECT_TRUE(start());
    EXPECT_TRUE(ClassFilePath.isEmpty());
    EXPECT_TRUE(msg.shown.isEmpty());
    EXPECT_EQ(window.calls.last(), "LoadMRUs");
}

} // namespace
