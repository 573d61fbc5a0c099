#include "planner/core/date_captions.h"
#include "planner/core/week_start.h"
#include "runtime/testing/test_dates.h"
#include "runtime/value/date.h"
#include "shared/file_name.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

using rt::day;

class DateCaptions : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

TEST_F(DateCaptions, WeekRanges) {
    for (int d = 29; d <= 31; ++d)
        EXPECT_EQ(FormatWeekRange(day(2025, 12, d)), "December 29-January 4, 2026");
    for (int d = 1; d <= 4; ++d) EXPECT_EQ(FormatWeekRange(day(2026, 1, d)), "December 29-January 4, 2026");
    EXPECT_EQ(FormatWeekRange(day(2027, 1, 6)), "January 4-10, 2027");
}

TEST_F(DateCaptions, DaysWeekendsAndLongDates) {
    EXPECT_EQ(FormatDayCaption(day(2027, 1, 4)), "Monday, January 4");
    EXPECT_EQ(FormatWeekendCaption(day(2026, 1, 10)), "Saturday/Sunday, January 10-11");
    EXPECT_EQ(FormatWeekendCaption(day(2026, 1, 31)), "Saturday/Sunday, January 31-February 1");
    EXPECT_EQ(FormatLongDate(day(2027, 1, 4)), "Monday January 4, 2027");
    EXPECT_EQ(FormatLongDate(0), "");
    EXPECT_EQ(FormatDate(day(2026, 3, 5), "mm/dd/yy"), "03/05/26");
    EXPECT_EQ(FormatDate(day(2026, 3, 5), "dddd, mmmm d"), "Thursday, March 5");
}

TEST(WeekStart, MondayOnOrBefore) {
    EXPECT_EQ(WeekStart(day(2027, 1, 4)), day(2027, 1, 4));  // Monday
    EXPECT_EQ(WeekStart(day(2027, 1, 10)), day(2027, 1, 4)); // Sunday: six days earlier
    EXPECT_EQ(WeekStart(day(2027, 1, 9)), day(2027, 1, 4));
}

TEST(FileNameFromPath, LastSeparator) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:class.lkc", "class.lkc"},   {"class.lkc", "class.lkc"}, {"C:\\classes\\", ""}, {"", ""},
        {"/home/t/a b.lkc", "a b.lkc"}, {"a\\b/c.lkc", "c.lkc"},
    };
    for (const auto& [path, name] : cases) EXPECT_EQ(FileNameFromPath(path), name) << path;
}

} // namespace
