#include "planner/data/course_database.h"
#include "planner/data/lesson_plans.h"
#include "planner/data/lesson_resources.h"
#include "planner/data/testing/course_fixture.h"
#include "planner/data/testing/query_rows.h"
#include "runtime/testing/error_of.h"
#include "runtime/value/date.h"

namespace {

qint32 jan(int day) {
    return rt::daysFromDate(QDate(2027, 1, day));
}

// A plan's rows as "ResourceID|SortOrder|Title", in plan order.
QStringList resourcesOf(qint32 lessonPlanID) {
    return QueryRows(
        QStringLiteral("SELECT ResourceID, SortOrder, Title FROM LessonResources WHERE LessonPlanID = "
                       "%1 ORDER BY SortOrder, LessonItemID")
            .arg(lessonPlanID));
}

class LessonResources : public CourseFixture {
protected:
    void SetUp() override {
        CourseFixture::SetUp();
        attach("sample1.lkc");
    }
};

TEST_F(LessonResources, CoreResourcesKeepTheCourseOrder) {
    LessonPlanRecord rec;
    rec.LessonPlanID = 3; // a plan without resources
    rec.TreeID = 14;
    AddCoreResources(rec);
    EXPECT_EQ(resourcesOf(3), (QStringList{"8|1|Wind Warm-Up", "6|2|  Wind Vane Build  ", "5|3|Pinwheel Test",
                                           "7|4|Wind Quiz"}));
    EXPECT_EQ(
        QueryRows("SELECT Duration, Header, Descript, TypeID FROM LessonResources WHERE LessonPlanID = 3 "
                  "AND ResourceID = 8"),
        QStringList{"-1|True|Null|1"});

    rec.TreeID = 16; // only resources that are not core
    AddCoreResources(rec);
    rec.TreeID = 13; // no resources at all
    AddCoreResources(rec);
    EXPECT_EQ(resourcesOf(3).size(), 4);
}

TEST_F(LessonResources, OneCourseResourceGoesToTheEnd) {
    AddResourceToLesson(2, 9);
    EXPECT_EQ(resourcesOf(2).last(), "9|6|Extra: Air Cannon");
    AddResourceToLesson(3, 9);
    EXPECT_EQ(resourcesOf(3), QStringList{"9|1|Extra: Air Cannon"});
    AddResourceToLesson(3, 999);
    AddResourceToLesson(3, 0);
    EXPECT_EQ(resourcesOf(3).size(), 1);
}

struct NextIdCase {
    const char* smallest; // the one ResourceID left in the table; "" for an empty table
    qint32 next;
};

void PrintTo(const NextIdCase& c, std::ostream* os) {
    *os << '"' << c.smallest << '"';
}

class NextOwnId : public LessonResources, public ::testing::WithParamInterface<NextIdCase> {};

TEST_P(NextOwnId, IsOneBelowTheSmallestAndNeverPositive) {
    CourseDB.execute("DELETE FROM LessonResources");
    if (*GetParam().smallest)
        CourseDB.execute(QStringLiteral("INSERT INTO LessonResources (LessonPlanID, ResourceID, Title) "
                                        "VALUES (1, %1, 'x')")
                             .arg(GetParam().smallest));
    EXPECT_EQ(NextResourceID(), GetParam().next);
}

INSTANTIATE_TEST_SUITE_P(Table, NextOwnId,
                         ::testing::Values(NextIdCase{"5", -1}, NextIdCase{"2", -1}, NextIdCase{"1", 0},
                                           NextIdCase{"0", -1}, NextIdCase{"-7", -8}, NextIdCase{"", 0}));

TEST_F(LessonResources, OwnResourcesOfAnEmptyClassFileStartAtZero) {
    CourseDB.execute("DELETE FROM LessonResources");
    AddNewResource(3, "My notes", 0, 12, "Read aloud.");
    AddNewResource(3, "My quiz", 4, 8, "");
    EXPECT_EQ(QueryRows("SELECT ResourceID, TypeID, Title, Duration, SortOrder, Descript, Header FROM "
                        "LessonResources ORDER BY LessonItemID"),
              (QStringList{"0|0|My notes|12|1|Read aloud.|False", "-1|4|My quiz|8|2||False"}));
}

TEST_F(LessonResources, LessonTime) {
    EXPECT_EQ(GetLessonTime(1), "35");
    EXPECT_EQ(GetLessonTime(2), "35"); // the heading's -1 does not count
    EXPECT_EQ(GetLessonTime(3), "0");
}

TEST_F(LessonResources, LessonTimeBeyond16BitsIsShown) {
    DetachClassTables();
    attach("edge.lkc");
    EXPECT_EQ(GetLessonTime(4), "40000");
}

struct SwapCase {
    const char* name;
    qint32 plan, itemA, itemB;
    const char* before; // SQL run first, or ""
    const char* after;  // "LessonItemID:SortOrder" of the plan's rows, by LessonItemID
    int error;
};

void PrintTo(const SwapCase& c, std::ostream* os) {
    *os << c.name;
}

class SwapSort : public LessonResources, public ::testing::WithParamInterface<SwapCase> {};

TEST_P(SwapSort, ExchangesTheTwoSortOrders) {
    const SwapCase& c = GetParam();
    if (*c.before) CourseDB.execute(c.before);
    EXPECT_EQ(rt::errorOf([&] { SwapResourceSort(c.itemA, c.itemB, c.plan); }), c.error);
    EXPECT_EQ(QueryRows(QStringLiteral("SELECT LessonItemID || ':' || SortOrder FROM LessonResources WHERE "
                                       "LessonPlanID = %1 ORDER BY LessonItemID")
                            .arg(c.plan))
                  .join(' '),
              c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SwapSort,
    ::testing::Values(SwapCase{"three_and_seven", 1, 1, 3,
                               "UPDATE LessonResources SET SortOrder = 7 WHERE LessonItemID = 1",
                               "1:3 2:2 3:7", 0},
                      SwapCase{"four_and_four", 2, 6, 5, "", "4:1 5:4 6:3 7:5", 0},
                      SwapCase{"row_of_another_plan", 1, 1, 6, "", "1:1 2:2 3:3", 3021},
                      SwapCase{"no_rows", 1, 100, 101, "", "1:1 2:2 3:3", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LessonResources, NextSortOrder) {
    EXPECT_EQ(NextSortOrder(3), 1);
    EXPECT_EQ(NextSortOrder(2), 6);
    DetachClassTables();
    attach("edge.lkc");
    EXPECT_EQ(rt::errorOf([] { NextSortOrder(3); }), 6); // after 32767
}

TEST_F(LessonResources, ListOfAPlanInPlanOrder) {
    QList<ResourceRecord> list(3);
    ResourcesToArray(2, list);
    ResourceRecord heading{8, 0, "Wind Warm-Up", -1, false, 1, 1, "", true, "", "", 0, 0};
    ResourceRecord vane{6, 0, "  Wind Vane Build  ", 20, false, 2, 4, "   ", false, "", "", 0, 0};
    ResourceRecord quiz{7, 0, "Wind Quiz", 10, false, 4, 4, "Five questions on wind.", false, "", "", 0, 0};
    ResourceRecord own{-1, 0, "Wind sock video", 5, false, 3, 5, "", false, "", "", 0, 0};
    EXPECT_EQ(list, (QList<ResourceRecord>{heading, vane, quiz, own}));

    ResourcesToArray(3, list);
    EXPECT_TRUE(list.isEmpty());
}

TEST_F(LessonResources, NullTitleAndHeaderReadAsEmptyAndNoHeadingButNullMinutesEndTheList) {
    DetachClassTables();
    attach("edge.lkc");
    QList<ResourceRecord> list(1);
    EXPECT_EQ(rt::errorOf([&] { ResourcesToArray(2, list); }), 94); // the quiz's Null Duration

    CourseDB.execute("DELETE FROM LessonResources WHERE LessonPlanID = 2 AND SortOrder > 1");
    CourseDB.execute("UPDATE LessonResources SET Title = NULL WHERE LessonPlanID = 2");
    ResourcesToArray(2, list);
    EXPECT_EQ(list, (QList<ResourceRecord>{{6, 0, "", 20, false, 2, 1, "", false, "", "", 0, 0}}));
}

// Copy Lesson Plan then Paste Lesson Plan onto a free day, as the edit menu pairs them.
class CopyAndPaste : public LessonResources, public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(CopyAndPaste, GivesThePastedPlanEveryResource) {
    const auto [sourceDay, count] = GetParam();
    LessonPlanRecord copied;
    ASSERT_TRUE(GetLessonPlanForDate(jan(sourceDay), copied));
    QList<ResourceRecord> clipboard;
    ResourcesToArray(copied.LessonPlanID, clipboard);
    ASSERT_EQ(clipboard.size(), count);

    LessonPlanRecord pasted = copied;
    pasted.LPDate = jan(20);
    AddLessonPlan(pasted);
    LessonPlanRecord work;
    ASSERT_TRUE(GetLessonPlanForDate(jan(20), work));
    SaveResourceArray(work.LessonPlanID, clipboard);

    EXPECT_NE(work.LessonPlanID, copied.LessonPlanID);
    EXPECT_EQ(resourcesOf(work.LessonPlanID), resourcesOf(copied.LessonPlanID));
    QList<ResourceRecord> again;
    ResourcesToArray(work.LessonPlanID, again);
    EXPECT_EQ(again, clipboard);
}

INSTANTIATE_TEST_SUITE_P(OneAndNone, CopyAndPaste, ::testing::Values(std::pair{8, 1}, std::pair{6, 0}));

} // namespace
