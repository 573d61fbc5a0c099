#include "planner/core/planner.h"
#include "planner/core/presentation.h"
#include "planner/data/course_database.h"
#include "planner/data/testing/course_fixture.h"
#include "runtime/testing/error_of.h"
#include "shared/course_settings.h"
#include "shared/lesson_text.h"

namespace {

// SAMPLE1 is open. Its lesson 12 "1 Air Takes Up Space" sits under chapter 11 "2 What Is Air?" under
// unit 10 "1 Air and Sky"; lesson 60 "3 Weather Journal Kickoff" is a root.
class Presentation : public CourseFixture {
protected:
    void SetUp() override {
        CourseFixture::SetUp();
        OpenCourseDatabase(platform, "SAMPLE1");
        ASSERT_TRUE(CourseDB.isOpen());
        ClassFilePath = path("Room 12.lkc");
    }
    void TearDown() override {
        ClassFilePath.clear();
        CourseFixture::TearDown();
    }

    static LessonPlanRecord plan(qint32 treeID, const QString& title, const QString& number = {}) {
        LessonPlanRecord rec;
        rec.TreeID = treeID;
        rec.Title = title;
        rec.ItemNumber = number;
        return rec;
    }
    static LessonInfoRecord node(qint32 treeID) {
        LessonInfoRecord info;
        GetLessonInfo(CourseDB, treeID, info);
        return info;
    }
};

TEST_F(Presentation, LessonInfoOfANode) {
    LessonInfoRecord info = node(12);
    EXPECT_EQ(info.TreeID, 12);
    EXPECT_EQ(info.Title, "Air Takes Up Space");
    EXPECT_EQ(info.ParentID, 11);
    EXPECT_EQ(info.ItemNumber, "1");
    EXPECT_EQ(info.Objective2, "Predict, observe and explain.");
    EXPECT_EQ(info.Objective3, ""); // Null
    EXPECT_EQ(info.Objective5, "Use the rain barrel by the school garden.");
    EXPECT_FALSE(info.HasChildren);
    EXPECT_TRUE(node(11).HasChildren);
    EXPECT_EQ(node(50).ItemNumber, ""); // a unit without a number

    // A node that does not exist leaves the record as it was, fresh or not.
    EXPECT_EQ(node(999), LessonInfoRecord());
    LessonInfoRecord kept = info;
    GetLessonInfo(CourseDB, 999, kept);
    EXPECT_EQ(kept, info);

    EXPECT_EQ(GetParentLessonID(CourseDB, 12), 11);
    EXPECT_EQ(GetParentLessonID(CourseDB, 60), -999);  // a root
    EXPECT_EQ(GetParentLessonID(CourseDB, 999), -999); // no such node
}

TEST_F(Presentation, NullInTheNodeRowIsTheCallersError) {
    CourseDB.execute("UPDATE _queries SET sql = 'SELECT TreeID, Title, ParentID, ItemNumber, Objective1, "
                     "Objective2, Objective3, Objective4, Objective5, HasChildren FROM LessonTree "
                     "WHERE TreeID = ?1' WHERE name = 'qGetBwLessonInfo'");
    LessonInfoRecord info;
    EXPECT_EQ(rt::errorOf([&] { GetLessonInfo(CourseDB, 70, info); }), 94); // HasChildren Null
    EXPECT_EQ(rt::errorOf([&] { FormatNodeTitle(CourseDB, node(12), 28); }), 0);
    EXPECT_EQ(rt::errorOf([&] { FormatItemText(plan(70, "Storms"), 0); }), 0); // only its ancestors are read
}

// One formatting code on four things: the lesson node 12 and a plan of it (its own number 7 and title),
// the root node 60 and a plan of it (number 9). Every code reads both ancestors.
struct CodeCase {
    qint16 code;
    const char* node;
    const char* item;
    const char* rootNode;
    const char* rootItem;
};

const char* const bad29 = "Bad formatting code: 29";
const char* const bad30 = "Bad formatting code: 30";
const char* const bad31 = "Bad formatting code: 31";
const char* const bad32 = "Bad formatting code: 32";
const char* const caption25 = "Larkspan Sample Press - Weather Watchers Planner: Room 12.lkc";
const char* const caption26 = "Larkspan Sample Press - Science: Room 12.lkc";
const char* const caption32 = "Larkspan Sample Press Weather Watchers Planner Science: Room 12.lkc";

const CodeCase codeCases[] = {
    {0, "Air Takes Up Space", "Cup and Towel", "Weather Journal Kickoff", "Journal Day"},
    {1, "Air Takes Up Space", "Cup and Towel", "Weather Journal Kickoff", "Journal Day"},
    {2, "1 Air Takes Up Space", "7 Cup and Towel", "3 Weather Journal Kickoff", "9 Journal Day"},
    {3, "2-1 Air Takes Up Space", "2-7 Cup and Towel", "-3 Weather Journal Kickoff", "-9 Journal Day"},
    {4, "1-2-1 Air Takes Up Space", "1-2-7 Cup and Towel", "--3 Weather Journal Kickoff", "--9 Journal Day"},
    {5, "2.1 Air Takes Up Space", "2.7Cup and Towel", ".3 Weather Journal Kickoff", ".9Journal Day"},
    {6, "1.2.1 Air Takes Up Space", "1.2.7 Cup and Towel", "..3 Weather Journal Kickoff", "..9 Journal Day"},
    {7, "Air Takes Up Space", "Cup and Towel", "Weather Journal Kickoff", "Journal Day"},
    {8, "1 Air Takes Up Space", "7 Cup and Towel", "3 Weather Journal Kickoff", "9 Journal Day"},
    {9, "- 2-1 Air Takes Up Space", "- 2-7 Cup and Towel", "- -3 Weather Journal Kickoff",
     "- -9 Journal Day"},
    {10, "- 1-2-1 Air Takes Up Space", "- 1-2-7 Cup and Towel", "- --3 Weather Journal Kickoff",
     "- --9 Journal Day"},
    {11, " - 2.1 Air Takes Up Space", " - 2.7 Cup and Towel", " - .3 Weather Journal Kickoff",
     " - .9 Journal Day"},
    {12, " - 1.2.1 Air Takes Up Space", " - 1.2.7 Cup and Towel", " - ..3 Weather Journal Kickoff",
     " - ..9 Journal Day"},
    {13, "\r\nAir Takes Up Space", "\r\nCup and Towel", "\r\nWeather Journal Kickoff", "\r\nJournal Day"},
    {14, "\r\n1 Air Takes Up Space", "\r\n7 Cup and Towel", "\r\n3 Weather Journal Kickoff",
     "\r\n9 Journal Day"},
    {15, "\r\n2-1 Air Takes Up Space", "\r\n2-7 Cup and Towel", "\r\n-3 Weather Journal Kickoff",
     "\r\n-9 Journal Day"},
    {16, "\r\n1-2-1 Air Takes Up Space", "\r\n1-2-7 Cup and Towel", "\r\n--3 Weather Journal Kickoff",
     "\r\n--9 Journal Day"},
    {17, "\r\n2.1 Air Takes Up Space", "\r\n2.7 Cup and Towel", "\r\n.3 Weather Journal Kickoff",
     "\r\n.9 Journal Day"},
    {18, "\r\n1.2.1 Air Takes Up Space", "\r\n1.2.7 Cup and Towel", "\r\n..3 Weather Journal Kickoff",
     "\r\n..9 Journal Day"},
    {19, "What Is Air?\r\nAir Takes Up Space", "What Is Air?\r\nCup and Towel", "\r\nWeather Journal Kickoff",
     "\r\nJournal Day"},
    {20, "Air Takes Up Space:What Is Air?", "Cup and Towel:What Is Air?",
     "Weather Journal Kickoff:", "Journal Day:"},
    {21, "What Is Air?:Air Takes Up Space", "What Is Air?:Cup and Towel", ":Weather Journal Kickoff",
     ":Journal Day"},
    {22, "Unit 2\r\nAir Takes Up Space", "Unit 2\r\nCup and Towel", "Unit \r\nWeather Journal Kickoff",
     "Unit \r\nJournal Day"},
    {23, "Chapter 2\r\nAir Takes Up Space", "Chapter 2\r\nCup and Towel",
     "Chapter \r\nWeather Journal Kickoff", "Chapter \r\nJournal Day"},
    {24, "Unit 1, Chapter 2\r\nAir Takes Up Space", "Unit 1, Chapter 2\r\nCup and Towel",
     "Unit , Chapter \r\nWeather Journal Kickoff", "Unit , Chapter \r\nJournal Day"},
    {25, caption25, caption25, caption25, caption25},
    {26, caption26, caption26, caption26, caption26},
    {27, "Unit 2 What Is Air?\r\nChapter 1 Air Takes Up Space",
     "Unit 2 What Is Air?\r\nChapter 7 Cup and Towel", "Unit  \r\nChapter 3 Weather Journal Kickoff",
     "Unit  \r\nChapter 9 Journal Day"},
    {28, "Unit 1 Air and Sky\r\nChapter 2 What Is Air?\r\nLesson 1 Air Takes Up Space",
     "Unit 1 Air and Sky\r\nChapter 2 What Is Air?\r\nLesson 7 Cup and Towel",
     "Unit  \r\nChapter  \r\nLesson 3 Weather Journal Kickoff",
     "Unit  \r\nChapter  \r\nLesson 9 Journal Day"},
    {29, bad29, "7 - Cup and Towel", bad29, "9 - Journal Day"},
    {30, bad30, " What Is Air?: Cup and Towel", bad30, " : Journal Day"},
    {31, bad31, "Chapter 2 What Is Air?\r\nLesson 7 Cup and Towel", bad31,
     "Chapter  \r\nLesson 9 Journal Day"},
    {32, bad32, caption32, bad32, caption32},
    {33, "Bad formatting code: 33", "Bad formatting code: 33", "Bad formatting code: 33",
     "Bad formatting code: 33"},
    {-1, "Bad formatting code:-1", "Bad formatting code:-1", "Bad formatting code:-1",
     "Bad formatting code:-1"},
};

TEST_F(Presentation, EveryFormattingCode) {
    const LessonInfoRecord lesson = node(12), root = node(60);
    for (const CodeCase& c : codeCases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(FormatNodeTitle(CourseDB, lesson, c.code, ClassFilePath), c.node);
        EXPECT_EQ(FormatItemText(plan(12, "Cup and Towel", "7"), c.code), c.item);
        EXPECT_EQ(FormatNodeTitle(CourseDB, root, c.code, ClassFilePath), c.rootNode);
        EXPECT_EQ(FormatItemText(plan(60, "Journal Day", "9"), c.code), c.rootItem);
    }
}

TEST_F(Presentation, CodeFiveOfANodeWithChildrenIsItsTitle) {
    EXPECT_EQ(FormatNodeTitle(CourseDB, node(11), 5), "What Is Air?");
    EXPECT_EQ(FormatNodeTitle(CourseDB, node(12), 5), "2.1 Air Takes Up Space");
}

TEST_F(Presentation, WithoutAClassFileTheCaptionsEndInAColon) {
    EXPECT_EQ(FormatNodeTitle(CourseDB, node(12), 25), "Larkspan Sample Press - Weather Watchers Planner: ");
    ClassFilePath.clear();
    EXPECT_EQ(FormatItemText(plan(12, "Cup and Towel"), 26), "Larkspan Sample Press - Science: ");
}

TEST_F(Presentation, PlanWithoutCourseLessonHasNoAncestors) {
    EXPECT_EQ(FormatItemText(plan(-999, "Custom", "4"), 4), "--4 Custom");
    EXPECT_EQ(FormatItemText(plan(-666, "Snow Day"), 19), "\r\nSnow Day");
}

// The three view texts of a plan of lesson 12 (its own title "Cup and Towel", number 7), of a special
// day and of a day without lesson, by course identifier. SAMPLE1's codes: day 4, week 16, month 6.
struct ViewCase {
    const char* uci;
    qint32 treeID;
    const char* day;
    const char* week;
    const char* month;
};

const ViewCase viewCases[] = {
    {"KTN1", 12, "2-1 Cup and Towel", "2-1 Cup and Towel", "2-1 Cup and Towel"},
    {"RV10", 12, "What Is Air?\r\nCup and Towel", "What Is Air?\r\nCup and Towel",
     " Cup and Towel: What Is Air?"},
    {"ktn1", 12, "1-2-7 Cup and Towel", "\r\n1-2-7 Cup and Towel", "1.2.7 Cup and Towel"},
    {"WW01", 12, "1-2-7 Cup and Towel", "\r\n1-2-7 Cup and Towel", "1.2.7 Cup and Towel"},
    {"KTN1", -666, "Cup and Towel", "Cup and Towel", " Cup and Towel"},
    {"RV10", -666, "Cup and Towel", "Cup and Towel", " Cup and Towel"},
    {"WW01", -666, "Cup and Towel", "Cup and Towel", " Cup and Towel"},
    {"KTN1", -999, "", "", ""},
    {"RV10", -999, "", "", ""},
    {"WW01", -999, "", "", ""},
};

TEST_F(Presentation, ViewTextsByCourse) {
    for (const ViewCase& c : viewCases) {
        SCOPED_TRACE(testing::Message() << c.uci << " " << c.treeID);
        CourseSettings.UCI = c.uci;
        const LessonPlanRecord rec = plan(c.treeID, "Cup and Towel", "7");
        EXPECT_EQ(FormatDayViewItem(rec), c.day);
        EXPECT_EQ(FormatWeekCellItem(rec), c.week);
        EXPECT_EQ(FormatMonthCellItem(rec), c.month);
    }
}

TEST_F(Presentation, WizardListTextByCourse) {
    const std::tuple<const char*, qint32, const char*> cases[] = {
        {"KTN1", 12, "2-1 Air Takes Up Space"},           {"KTN1", 60, "-3 Weather Journal Kickoff"},
        {"RV10", 12, "Air Takes Up Space: What Is Air?"}, {"RV10", 60, "Weather Journal Kickoff: "},
        {"ktn1", 12, " - 1.2.1 Air Takes Up Space"}, // SAMPLE1's code 12
        {"WW01", 60, " - ..3 Weather Journal Kickoff"},
    };
    for (const auto& [uci, treeID, text] : cases) {
        CourseSettings.UCI = uci;
        EXPECT_EQ(FormatTreeNodeText(treeID), text) << uci << " " << treeID;
    }
}

} // namespace
