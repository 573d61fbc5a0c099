#include "planner/core/school_days.h"
#include "planner/core/testing/scripted_dialogs.h"
#include "runtime/clock.h"
#include "runtime/testing/test_dates.h"
#include "runtime/value/date.h"

#include <gtest/gtest.h>

namespace {

using rt::day;

TEST(SchoolDays, ResetGivesNoPlanDatedTodayAndKeepsTheItemNumber) {
    rt::setToday(day(2027, 3, 3));
    LessonPlanRecord rec{12, 14, day(2027, 1, 5), "Wind", "3", true, "a", "b", rt::Value::null(), "d", "e"};
    ResetLessonRecord(rec);
    rt::setToday(std::nullopt);
    EXPECT_EQ(rec, (LessonPlanRecord{-999, -999, day(2027, 3, 3), "'", "3", false, "", "", "", "", ""}));
}

TEST(SchoolDays, WeekendsMoveToTheMondayAfterOrTheFridayBefore) {
    const qint32 saturday = day(2027, 3, 6), sunday = day(2027, 3, 7), wednesday = day(2027, 3, 3);
    EXPECT_EQ(AdjustForWeekend(saturday, false), day(2027, 3, 8));
    EXPECT_EQ(AdjustForWeekend(saturday, true), day(2027, 3, 5));
    EXPECT_EQ(AdjustForWeekend(sunday, false), day(2027, 3, 8));
    EXPECT_EQ(AdjustForWeekend(sunday, true), day(2027, 3, 5));
    EXPECT_EQ(AdjustForWeekend(wednesday, false), wednesday);
    EXPECT_EQ(AdjustForWeekend(wednesday, true), wednesday);
}

TEST(SchoolDays, OneZeroDateExcludesNoRealDate) {
    ResetSchoolDaysState();
    EXPECT_FALSE(IsBlockedDay(day(1899, 12, 31)));
    EXPECT_FALSE(IsBlockedDay(day(2027, 3, 3)));
    BlockedDays = {day(2027, 3, 2), day(2027, 3, 4)};
    EXPECT_TRUE(IsBlockedDay(day(2027, 3, 4)));
    EXPECT_FALSE(IsBlockedDay(day(2027, 3, 3)));
    ResetSchoolDaysState();
}

TEST(SchoolDays, DialogsAreAskedForTheDayAndGiveTheirResult) {
    ScriptedDialogs dialogs;
    dialogs.deleteLessonResults = {2};
    dialogs.moveDayResults = {1};
    EXPECT_EQ(AskDeleteLesson(dialogs, day(2027, 3, 1)), 2);
    EXPECT_EQ(AskMoveDay(dialogs, day(2027, 3, 2)), 1);
    EXPECT_EQ(dialogs.log, (QStringList{"DeleteLesson", "MoveDay"}));
    EXPECT_EQ(dialogs.targetDates, (QList<qint32>{day(2027, 3, 1), day(2027, 3, 2)}));
}

} // namespace
