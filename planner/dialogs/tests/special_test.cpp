#include "modal_driver.h"
#include "planner/core/planner.h"
#include "planner/core/school_days.h"
#include "planner/data/course_database.h"
#include "planner/data/lesson_plans.h"
#include "planner/data/testing/course_fixture.h"
#include "planner/dialogs/qt_planner_dialogs.h"
#include "planner/dialogs/special.h"
#include "runtime/outside/calendar/month_calendar.h"
#include "runtime/testing/test_dates.h"
#include "runtime/value/date.h"
#include "shared/course_settings.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

using rt::day;

// The special-day dialog on a copy of the worked class of January 2027: plans on the 4th to the 8th
// and the 11th to the 14th, a special day on the 7th.
class SpecialTest : public CourseFixture {
protected:
    void SetUp() override {
        CourseFixture::SetUp();
        attach();
        ResetLessonRecord(CurrentLesson);
        CurrentLesson.LPDate = day(2027, 1, 12);
        CourseSettings.AppTitle = "Sample Course";
        BlockedDays = {day(2027, 1, 20)};
        special = std::make_unique<Special>(msg, plannerDialogs);
    }
    void TearDown() override {
        EXPECT_TRUE(driver.done());
        special.reset();
        BlockedDays = {0};
        CourseFixture::TearDown();
    }

    // Chooses the day, type and comment and clicks Add.
    void add(qint32 date, const QString& type, const QString& comment) {
        special->findChild<rt::MonthCalendar*>("SSMonth1")->setDate(date);
        special->findChild<QComboBox*>("cboSpecial")->setCurrentText(type);
        special->findChild<QLineEdit*>("Text1")->setText(comment);
        special->findChild<QPushButton*>("cmdAdd")->click();
    }
    // The plans of a date, "TreeID Title" each, in the order of their ids.
    QStringList plansOn(qint32 date) {
        QStringList out;
        rt::Recordset rs =
            CourseDB.openSql("SELECT TreeID, Title FROM LessonPlans WHERE LPDate=#" +
                             rt::dateFromDays(date).toString(Qt::ISODate) + "# ORDER BY LessonPlanID");
        for (; !rs.eof(); rs.moveNext())
            out << rs.field("TreeID").toString() + u' ' + rs.field("Title").toString();
        return out;
    }
    int planCount() { return CourseDB.openSql("SELECT * FROM LessonPlans").recordCount(); }

    ModalDriver driver;
    QtPlannerDialogs plannerDialogs{platform};
    std::unique_ptr<Special> special; // loads with the current date
};

TEST_F(SpecialTest, LoadsItsTextsTypesAndTheCurrentDate) {
    EXPECT_EQ(special->windowTitle(), "Insert Special Day");
    EXPECT_FALSE(special->windowIcon().isNull());
    const QStringList labels{"Select the date of the special day:", "Type of special day:", "Comment:"};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(control<QLabel>(*special, "Label1", i)->text(), labels[i]);
    EXPECT_EQ(control<QPushButton>(*special, "cmdAdd")->text(), "&Add");
    EXPECT_EQ(control<QPushButton>(*special, "cmdClose")->text(), "&Close");
    EXPECT_EQ(control<QPushButton>(*special, "cmdHelp")->text(), "&Help");
    auto* types = special->findChild<QComboBox*>("cboSpecial");
    QStringList items;
    for (int i = 0; i < types->count(); ++i) items << types->itemText(i);
    EXPECT_EQ(items, (QStringList{"Assembly", "Field Trip", "Holiday", "Professional Day", "Vacation",
                                  "Weather Day", "Other"}));
    EXPECT_EQ(types->currentText(), "Assembly");
    auto* calendar = special->findChild<rt::MonthCalendar*>("SSMonth1");
    EXPECT_EQ(calendar->date(), day(2027, 1, 12));
    EXPECT_FALSE(calendar->weekdayEnabled(1));
    EXPECT_FALSE(calendar->weekdayEnabled(7));
    EXPECT_TRUE(calendar->weekdayEnabled(2));
    EXPECT_EQ(special->findChild<QLineEdit*>("Text1")->maxLength(), 100);
}

TEST_F(SpecialTest, AFreeDayTakesTheSpecialDayAndTheDialogStays) {
    special->show();
    add(day(2027, 1, 15), "Holiday", "Founders' Day");
    EXPECT_EQ(plansOn(day(2027, 1, 15)), QStringList{"-666 Holiday-Founders' Day"});
    bool scheduled = false, blocked = false;
    IsLessonScheduled(day(2027, 1, 15), scheduled, blocked);
    EXPECT_TRUE(blocked);
    ASSERT_EQ(msg.shown.size(), 1);
    EXPECT_EQ(msg.shown[0], (rt::MbRequest{"Special Day has been inserted.", QString("Special Day")}));
    EXPECT_TRUE(special->isVisible());
    EXPECT_EQ(BlockedDays, QList<qint32>{day(2027, 1, 20)}); // only an insert empties it
}

TEST_F(SpecialTest, ASpecialDayOnASpecialDayIsRefusedAndNothingWritten) {
    const int before = planCount();
    add(day(2027, 1, 7), "Assembly", "");
    EXPECT_EQ(planCount(), before);
    ASSERT_EQ(msg.shown.size(), 1);
    EXPECT_EQ(msg.shown[0], (rt::MbRequest{"There is already a special day on Thursday, January 07. Please "
                                           "remove it before adding another on the same day.",
                                           QString("Sample Course")}));
}

TEST_F(SpecialTest, ADayWithAPlanAsksFirst) {
    const qint32 tuesday = day(2027, 1, 12);
    struct Case {
        const char* what;
        ModalDriver::Step answer;
        QStringList planOfTheDay;
        int added;
        QStringList messages;
    };
    const QList<Case> cases = {
        {"Cancel: nothing", click("cmdCancel"), {"32 Steam and Puddles"}, 0, {}},
        {"frame close: nothing", closeByFrame(), {"32 Steam and Puddles"}, 0, {}},
        {"replace",
         steps({choose("opReplace"), click("cmdOK")}),
         {"-666 Weather Day-Snow"},
         0,
         {"Special Day has been inserted."}},
        {"insert",
         steps({choose("opBump"), click("cmdOK")}),
         {"-666 Weather Day-Snow"},
         1,
         {"Special Day has been inserted."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DetachClassTables();
        attach();
        msg.shown.clear();
        const int before = planCount();
        driver.then([&](QWidget& w) {
            EXPECT_EQ(w.windowTitle(), "Schedule Conflict");
            c.answer(w);
        });
        add(tuesday, "Weather Day", "Snow");
        EXPECT_EQ(plansOn(tuesday), c.planOfTheDay);
        EXPECT_EQ(planCount(), before + c.added);
        QStringList texts;
        for (const auto& r : msg.shown) texts << r.text;
        EXPECT_EQ(texts, c.messages);
    }
    // The insert moved the Tuesday's plan on, and emptied the excluded days first.
    EXPECT_TRUE(plansOn(day(2027, 1, 13)).contains("32 Steam and Puddles"));
    EXPECT_EQ(BlockedDays, QList<qint32>{0});
}

TEST_F(SpecialTest, AFailedWriteIsToldAndTheDialogStays) {
    special->show();
    DetachClassTables(); // the class's tables are gone
    add(day(2027, 1, 15), "Holiday", "");
    ASSERT_EQ(msg.shown.size(), 1);
    EXPECT_TRUE(msg.shown[0].text.startsWith("The special day could not be inserted: "));
    EXPECT_EQ(msg.shown[0].title, "Sample Course");
    EXPECT_TRUE(special->isVisible());
}

} // namespace

namespace {

TEST_F(SpecialTest, HelpOpensTheDocumentBesideTheProgram) {
    const std::unique_ptr<SpecialDialog> made = plannerDialogs.createSpecial();
    auto* dialog = dynamic_cast<Special*>(made.get());
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QPushButton*>("cmdHelp")->click();
    ASSERT_EQ(shell.calls.size(), 1);
    EXPECT_EQ(shell.calls[0].what, "open");
    EXPECT_EQ(shell.calls[0].file, QStringLiteral(LK_PROGRAM_DIR "/makelp.pdf"));
    EXPECT_TRUE(QFile::exists(shell.calls[0].file));
    EXPECT_TRUE(msg.shown.isEmpty());
}

// Every dialog belongs to the window it is shown over, so that a window manager draws it over that
// window and keeps it above: the main window, or the dialog that asks.
TEST_F(SpecialTest, EachDialogIsOwnedByTheMainWindowOrByTheDialogThatAsks) {
    QWidget mainWindow;
    plannerDialogs.setOwner(&mainWindow);
    const auto ownerOf = [](const auto& made) { return dynamic_cast<QWidget&>(*made).parentWidget(); };
    EXPECT_EQ(ownerOf(plannerDialogs.createOpenApp()), &mainWindow);
    EXPECT_EQ(ownerOf(plannerDialogs.createNewClass()), &mainWindow);
    EXPECT_EQ(ownerOf(plannerDialogs.createSpecial()), &mainWindow);
    EXPECT_EQ(ownerOf(plannerDialogs.createDeleteLesson()), &mainWindow);
    EXPECT_EQ(ownerOf(plannerDialogs.createMoveDay()), &mainWindow);
    EXPECT_EQ(ownerOf(plannerDialogs.createLanguage()), &mainWindow);
    EXPECT_EQ(ownerOf(plannerDialogs.createPrintOptions()), &mainWindow);
    EXPECT_EQ(ownerOf(plannerDialogs.createSchedule()), &mainWindow);

    // A special day on a day with a plan asks through the schedule conflict, over the special-day dialog.
    const std::unique_ptr<SpecialDialog> asking = plannerDialogs.createSpecial();
    auto& specialDay = dynamic_cast<Special&>(*asking);
    QWidget* conflictOwner = nullptr;
    driver.then([&](QWidget&) {
        specialDay.findChild<rt::MonthCalendar*>("SSMonth1")->setDate(day(2027, 1, 12));
        specialDay.findChild<QPushButton*>("cmdAdd")->click();
        specialDay.findChild<QPushButton*>("cmdClose")->click();
    });
    driver.then([&](QWidget& conflict) {
        conflictOwner = conflict.parentWidget();
        click("cmdCancel")(conflict);
    });
    asking->showModal();
    EXPECT_EQ(conflictOwner, &specialDay);
}

} // namespace
