#include "main_window_fixture.h"
#include "planner/core/planner.h"
#include "planner/core/school_days.h"
#include "planner/core/testing/compact_calendar.h"
#include "planner/core/testing/recording_main_window.h"
#include "planner/core/testing/scripted_dialogs.h"
#include "planner/data/course_database.h"
#include "planner/data/testing/query_rows.h"
#include "planner/window/plan_x_scheduling.h"
#include "shared/course_settings.h"

#include <QApplication>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// Course lessons of the sample course by the letter a calendar shows them with: "Air Takes Up Space"
// (2 core resources), "Moving Air Is Wind" (4), "Evaporation" (2).
const QMap<QChar, qint32> lessonOf{{u'a', 12}, {u'b', 14}, {u'c', 32}};

// A plan of a course lesson shows the lesson's letter and its resource count ("a2"), after the title
// of a one-letter (custom or earlier) plan ("Q", "Qa0").
QString withResources(const StoredPlan& plan) {
    QString token = plan.Title.size() == 1 ? plan.Title : QString();
    const QChar letter = lessonOf.key(plan.TreeID);
    if (!letter.isNull())
        token +=
            letter + QueryRows(QStringLiteral("SELECT COUNT(*) FROM LessonResources WHERE LessonPlanID = %1")
                                   .arg(plan.LessonPlanID))
                         .value(0);
    return token;
}

enum class Ends { Written, WizardCancelled, ConflictCancelled, Failed };

struct ScheduleCase {
    const char* name;
    const char* before;
    int start;           // index of the start day in the calendar
    qint16 result;       // the wizard's: 0 course lessons, 1 custom lesson, 2 Cancel
    const char* lessons; // course lessons by letter, or the custom lesson's title
    int days;            // per lesson
    int conflict;        // index of the day the conflict dialog names (-1: none) and its answer
    qint16 answer;
    const char* after;
    Ends ends = Ends::Written;
    qint16 check1 = 0;
};

void PrintTo(const ScheduleCase& c, std::ostream* os) {
    *os << c.name;
}

class Scheduling : public EmptyClassFixture, public ::testing::WithParamInterface<ScheduleCase> {
protected:
    void SetUp() override {
        EmptyClassFixture::SetUp();
        CourseSettings.AppTitle = "Sample Course";
    }

    ScriptedDialogs dialogs;
    RecordingMainWindow window;
    Planner planner{platform, dialogs, &window, {}};
};

TEST_P(Scheduling, LaysTheLessonsOntoSchoolDays) {
    const ScheduleCase& c = GetParam();
    writeCalendar(c.before);
    const QList<qint32> excluded = IsBlockedDay(0) ? QList<qint32>{} : BlockedDays;
    BlockedDays = {0}; // what an earlier run left; the wizard's choice replaces it
    const qint32 start = schoolDate(c.start);
    auto& s = dialogs.schedule;
    s = {c.result, start, QString::number(c.days), {}, excluded, {}, c.check1, lessonOf[u'a']};
    if (c.result == 1)
        s.title = c.lessons;
    else
        for (const QChar l : QString(c.lessons)) s.lessons << lessonOf[l];
    if (c.conflict >= 0) dialogs.moveDayResults = {c.answer};
    if (c.ends == Ends::Failed) {
        // The class file's sort orders are 16-bit; the engine stands in for the refusal of a larger one.
        CourseDB.execute("UPDATE Resources SET SortOrder = 40000 WHERE TreeID = 32");
        CourseDB.execute(
            "CREATE TEMP TRIGGER overflow BEFORE INSERT ON LessonResources WHEN NEW.SortOrder > 32767 "
            "BEGIN SELECT RAISE(ABORT, 'Numeric field overflow'); END");
    }
    window.onCall = [&](const QString& call) {
        // The window is redrawn from the stored plans: they are there by then.
        if (call == "RefreshView" && c.ends == Ends::Written) {
            EXPECT_EQ(readCalendar(c.before, withResources), normalized(c.after));
        }
    };

    ScheduleLessons(planner);

    EXPECT_EQ(readCalendar(c.before, withResources), normalized(c.after));
    EXPECT_EQ(doubledDates(), QStringList());
    const QStringList asked = c.conflict < 0 ? QStringList{"Schedule"} : QStringList{"Schedule", "MoveDay"};
    EXPECT_EQ(dialogs.log, asked);
    if (c.conflict >= 0) {
        EXPECT_EQ(dialogs.targetDates, QList<qint32>{schoolDate(c.conflict)});
    }
    const QStringList shown{"DisableForm", QStringLiteral("ChangeCurrentDate %1").arg(start), "RefreshView",
                            "EnableForm"};
    switch (c.ends) {
    case Ends::WizardCancelled: EXPECT_EQ(window.calls, QStringList()); break;
    case Ends::ConflictCancelled: EXPECT_EQ(window.calls, (QStringList{"DisableForm", "EnableForm"})); break;
    default: EXPECT_EQ(window.calls, shown);
    }
    EXPECT_EQ(cursor.screenPointer(), rt::Pointer::Default);
    if (c.ends == Ends::Failed) {
        ASSERT_EQ(msg.shown.size(), 1);
        EXPECT_EQ(msg.shown[0].title, "Sample Course");
        EXPECT_EQ(msg.shown[0].text, "The lesson plans could not be made, and nothing was changed.\r\n\r\n"
                                     "Error 3000: Numeric field overflow");
    } else {
        EXPECT_EQ(msg.shown.size(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Scheduling,
    ::testing::Values(
        // Three lessons of two days from Thursday the 4th, Friday the 5th left out, a special day on
        // Tuesday the 9th; resources on each lesson's first day.
        ScheduleCase{"three_lessons_past_excluded_and_special_days", ". . . . [.] | . # . . . | . . . . .", 3,
                     0, "abc", 2, -1, 0, ". . . a2 [.] | a0 # b4 b0 c2 | c0 . . . ."},
        ScheduleCase{"replace", "P Q R S . | . . . . .", 1, 0, "ab", 1, 1, 0, "P a2 b4 S . | . . . . ."},
        ScheduleCase{"insert", "P Q R S . | . . . . .", 1, 0, "ab", 1, 1, 1, "P a2 b4 Q R | S . . . ."},
        ScheduleCase{"excluded_start", "[.] . . . . | . . . . .", 0, 0, "a", 1, -1, 0,
                     "[.] a2 . . . | . . . . ."},
        ScheduleCase{"replace_two_days_over_a_special_day", "A # B C . | . . . . .", 0, 0, "a", 2, 0, 0,
                     "a2 # a0 C . | . . . . ."},
        ScheduleCase{"special_day_inside_a_lesson", ". # . . . | . . . . .", 0, 0, "ab", 2, -1, 0,
                     "a2 # a0 b4 b0 | . . . . ."},
        ScheduleCase{"special_day_on_a_first_day", "# . . . . | . . . . .", 0, 0, "ab", 1, -1, 0,
                     "# a2 b4 . . | . . . . ."},
        ScheduleCase{"excluded_monday_replaced_tuesday_holds_one_plan", "[.] P . . . | . . . . .", 0, 0, "a",
                     1, 1, 0, "[.] a2 . . . | . . . . ."},
        ScheduleCase{"custom_lesson_on_a_special_day", "# . . . . | . . . . .", 0, 1, "Q", 1, -1, 0,
                     "# Q . . . | . . . . ."},
        ScheduleCase{"custom_lesson_with_a_lessons_objectives", "# . . . . | . . . . .", 0, 1, "Q", 1, -1, 0,
                     "# Qa0 . . . | . . . . .", Ends::Written, 1},
        ScheduleCase{"cancel_in_the_wizard", "P . . . . | . . . . .", 0, 2, "a", 1, -1, 0,
                     "P . . . . | . . . . .", Ends::WizardCancelled},
        ScheduleCase{"cancel_in_the_conflict_dialog", "P . . . . | . . . . .", 0, 0, "a", 1, 0, 2,
                     "P . . . . | . . . . .", Ends::ConflictCancelled},
        // The third lesson's resource cannot be copied: the plans pushed along stay where they were.
        ScheduleCase{"failure_in_the_third_lesson", "P Q R . . | . . . . .", 0, 0, "abc", 1, 0, 1,
                     "P Q R . . | . . . . .", Ends::Failed}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EmptyClassFixture, ACustomLessonTakesTheCourseLessonsObjectivesUnderItsOwnTitle) {
    ScriptedDialogs dialogs;
    dialogs.schedule = {1, schoolDate(0), "1", {}, {}, "My own", 1, 14};
    RecordingMainWindow window;
    Planner planner{platform, dialogs, &window, {}};
    ScheduleLessons(planner);
    EXPECT_EQ(
        QueryRows(
            "SELECT LPDate, TreeID, Title, blocked, ItemNumber, Objective1, Objective2 FROM LessonPlans"),
        QueryRows("SELECT '2027-03-01', TreeID, 'My own', 'False', ItemNumber, Objective1, Objective2 FROM "
                  "LessonTree WHERE TreeID = 14"));
    BlockedDays = {0};
}

// The day view's button clicked in the real window: the lessons go in before the run of plans, and the
// window shows the start date, is usable again and has the focus in the lesson grid.
TEST_F(ClassWindowTest, MakeLessonPlansInsertsTheLessonsIntoTheClassFile) {
    const QString before = "P Q . . . | . . . . .";
    writeCalendar(before);
    plannerDialogs.log.clear();
    plannerDialogs.schedule = {0, schoolDate(0), "1", {lessonOf[u'a'], lessonOf[u'b']}, {}, {}, 0, 0};
    plannerDialogs.moveDayResults = {1};
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    QTest::mouseClick(window->cmdScheduleLessons, Qt::LeftButton);

    EXPECT_EQ(readCalendar(before, withResources), normalized("a2 b4 P Q . | . . . . ."));
    EXPECT_EQ(plannerDialogs.log, (QStringList{"Schedule", "MoveDay"}));
    EXPECT_EQ(CurrentLesson.LPDate, schoolDate(0));
    EXPECT_EQ(CurrentLesson.TreeID, lessonOf[u'a']);
    EXPECT_TRUE(window->centralWidget()->isEnabled());
    EXPECT_TRUE(window->mnuEdit->isEnabled());
    EXPECT_EQ(cursor.pointer(window.get()), rt::Pointer::Default);
    EXPECT_EQ(msg.shown.size(), 0);
    // The grid's own focus handler ran: nothing is pasted into it.
    EXPECT_EQ(QApplication::focusWidget(), window->dbgResources);
    EXPECT_FALSE(window->mnuEditPasteText->isEnabled());
}

// Make Lesson Plans from the Edit menu in the week view: the lesson grid is out of reach there and does
// not take the focus.
TEST_F(ClassWindowTest, MakeLessonPlansInTheWeekViewLeavesTheFocusAlone) {
    writeCalendar(". . . . . | . . . . .");
    plannerDialogs.schedule = {0, schoolDate(0), "1", {lessonOf[u'a']}, {}, {}, 0, 0};
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::mouseClick(window->opWeekView, Qt::LeftButton);
    ASSERT_TRUE(window->mnuEditMakeLesson->isEnabled());
    window->mnuEditMakeLesson->trigger();

    EXPECT_EQ(readCalendar(". . . . . | . . . . .", withResources), normalized("a2 . . . . | . . . . ."));
    EXPECT_TRUE(window->opWeekView->isChecked());
    EXPECT_NE(QApplication::focusWidget(), window->dbgResources);
}

} // namespace
