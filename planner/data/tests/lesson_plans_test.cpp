#include "planner/data/course_database.h"
#include "planner/data/lesson_plans.h"
#include "planner/data/testing/course_fixture.h"
#include "planner/data/testing/query_rows.h"
#include "runtime/testing/error_of.h"
#include "runtime/value/date.h"
#include "shared/course_settings.h"

namespace {

qint32 jan(int day) {
    return rt::daysFromDate(QDate(2027, 1, day));
}

QStringList plansOn(const QString& isoDate) {
    return QueryRows(
        "SELECT LessonPlanID, TreeID, Title, ItemNumber, blocked FROM LessonPlans WHERE LPDate = '" +
        isoDate + "' ORDER BY LessonPlanID");
}

// A record whose every field differs from what a load would give.
LessonPlanRecord marked() {
    LessonPlanRecord r;
    r.LessonPlanID = 4242;
    r.TreeID = 77;
    r.LPDate = jan(31);
    r.Title = rt::Value::null();
    r.ItemNumber = "9z";
    r.blocked = true;
    r.Objective1 = "one";
    r.Objective2 = rt::Value::null();
    r.Objective3 = "three";
    r.Objective4 = "four";
    r.Objective5 = "five";
    return r;
}

class LessonPlans : public CourseFixture {
protected:
    void SetUp() override {
        CourseFixture::SetUp();
        attach("sample1.lkc");
    }
};

// Each course: its class fixture, and whether its plans carry item numbers.
struct CourseCase {
    const char* classFile;
    bool itemNumbers;
};

void PrintTo(const CourseCase& c, std::ostream* os) {
    *os << c.classFile;
}

class PlansOfEitherCourse : public CourseFixture, public ::testing::WithParamInterface<CourseCase> {
protected:
    void SetUp() override {
        CourseFixture::SetUp();
        attach(GetParam().classFile);
    }
};

INSTANTIATE_TEST_SUITE_P(Courses, PlansOfEitherCourse,
                         ::testing::Values(CourseCase{"sample1.lkc", true},
                                           CourseCase{"sample0.lkc", false}));

TEST_P(PlansOfEitherCourse, AddedPlanLoadsBackWithItemNumberOnlyIn0101) {
    ASSERT_EQ(CourseSettings.DBVersion, GetParam().itemNumbers ? "0101" : "0100");
    LessonPlanRecord rec = marked();
    rec.LPDate = jan(25);
    rec.Title = "Pasted plan";
    AddLessonPlan(rec);

    const QString item = GetParam().itemNumbers ? "9z" : "Null";
    EXPECT_EQ(plansOn("2027-01-25").size(), 1);
    EXPECT_EQ(QueryRows("SELECT TreeID, Title, ItemNumber, blocked, Objective1, Objective2, Objective5 "
                        "FROM LessonPlans WHERE LPDate = '2027-01-25'"),
              QStringList{"77|Pasted plan|" + item + "|True|one|Null|five"});

    LessonPlanRecord loaded;
    ASSERT_TRUE(GetLessonPlanForDate(jan(25), loaded));
    LessonPlanRecord expected = rec;
    expected.LessonPlanID = loaded.LessonPlanID;
    expected.Objective2 = QString(); // a stored Null loads as the empty text
    expected.ItemNumber = GetParam().itemNumbers ? "9z" : "";
    EXPECT_EQ(loaded, expected);
    EXPECT_NE(loaded.LessonPlanID, rec.LessonPlanID);
}

TEST_P(PlansOfEitherCourse, StoredItemNumberIsReadOnlyIn0101) {
    // Both fixtures hold item number "1" on their January 4 plan.
    LessonPlanRecord rec;
    ASSERT_TRUE(GetLessonPlanForDate(jan(4), rec));
    EXPECT_EQ(rec.ItemNumber, GetParam().itemNumbers ? "1" : "");
}

TEST_P(PlansOfEitherCourse, CourseLessonBecomesAPlan) {
    const bool item = GetParam().itemNumbers;
    // SAMPLE1's lesson 13 and SAMPLE0's lesson 4 each have Null objectives beside texts.
    const qint32 lesson = item ? 13 : 4;
    EXPECT_EQ(AddCourseLesson(lesson, jan(26)), jan(26));
    EXPECT_EQ(QueryRows("SELECT TreeID, Title, ItemNumber, blocked, Objective2, Objective3 FROM LessonPlans "
                        "WHERE LPDate = '2027-01-26'"),
              QStringList{item ? "13|Air Has Weight|2|False|Null|Draw and label a balance."
                               : "4|Reading Two-Digit Numbers|Null|False|Null|"});

    EXPECT_EQ(AddCourseLesson(9999, jan(27)), jan(27));
    EXPECT_TRUE(plansOn("2027-01-27").isEmpty());
}

TEST_F(LessonPlans, DateWithoutPlanLeavesTheRecordExactlyAsItWas) {
    LessonPlanRecord rec = marked();
    EXPECT_FALSE(GetLessonPlanForDate(jan(10), rec));
    EXPECT_EQ(rec, marked());
}

TEST_F(LessonPlans, LoadTurnsNullTextsIntoEmptyOnes) {
    LessonPlanRecord rec;
    ASSERT_TRUE(GetLessonPlanForDate(jan(7), rec));
    EXPECT_EQ(rec.LessonPlanID, 4);
    EXPECT_EQ(rec.TreeID, -666);
    EXPECT_TRUE(rec.blocked);
    EXPECT_EQ(rec.ItemNumber, "");
    EXPECT_EQ(rec.Objective1, rt::Value(QString()));
    EXPECT_EQ(rec.LPDate, jan(7));
}

TEST_F(LessonPlans, ScheduledAndBlockedOfEachKindOfDay) {
    struct {
        qint32 date;
        bool scheduled, blocked;
    } cases[] = {{jan(4), true, false}, {jan(7), true, true}, {jan(10), false, false}};
    for (const auto& c : cases) {
        bool scheduled = !c.scheduled, blocked = !c.blocked;
        IsLessonScheduled(c.date, scheduled, blocked);
        EXPECT_EQ(scheduled, c.scheduled) << c.date;
        EXPECT_EQ(blocked, c.blocked) << c.date;
    }
}

TEST_F(LessonPlans, SpecialDayTitleIsCutAt150Characters) {
    AddSpecialDay(jan(18), "Holiday", QString(200, u'x'));
    AddSpecialDay(jan(19), "Snow Day", "");
    const QStringList rows =
        QueryRows("SELECT TreeID, blocked, Title, ItemNumber, Objective1 FROM LessonPlans "
                  "WHERE LPDate IN ('2027-01-18', '2027-01-19') ORDER BY LPDate");
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0], "-666|True|Holiday-" + QString(142, u'x') + "|Null|Null");
    EXPECT_EQ(rows[1], "-666|True|Snow Day-|Null|Null");

    bool scheduled = false, blocked = false;
    IsLessonScheduled(jan(18), scheduled, blocked);
    EXPECT_TRUE(scheduled && blocked);
}

TEST_F(LessonPlans, ObjectivesAreSavedToTheirPlanOnly) {
    LessonPlanRecord rec;
    ASSERT_TRUE(GetLessonPlanForDate(jan(5), rec));
    rec.Objective1 = "Wind moves things.";
    rec.Objective3 = rt::Value::null();
    rec.Objective5 = "Kite day";
    UpdateLessonObjectives(rec);
    EXPECT_EQ(QueryRows("SELECT Objective1, Objective2, Objective3, Objective4, Objective5 FROM LessonPlans "
                        "WHERE LessonPlanID IN (2, 3) ORDER BY LessonPlanID"),
              (QStringList{"Wind moves things.||Null||Kite day", "Null|Null|Null|Null|Null"}));

    rec.LessonPlanID = 999; // no such plan: nothing is written, and no error
    EXPECT_EQ(rt::errorOf([&] { UpdateLessonObjectives(rec); }), 0);
}

TEST_F(LessonPlans, DeleteTakesTheResourcesFirst) {
    const auto counts = [] {
        return QueryRows("SELECT (SELECT COUNT(*) FROM LessonPlans), (SELECT COUNT(*) FROM LessonResources)");
    };
    DeleteLessonPlan(3); // a plan without resources
    EXPECT_EQ(counts(), QStringList{"10|10"});
    DeleteLessonPlan(1);
    EXPECT_EQ(counts(), QStringList{"9|7"});
    DeleteLessonPlan(999);
    EXPECT_EQ(counts(), QStringList{"9|7"});

    // When the plan's own delete fails, its resources are already gone and the error reaches the caller.
    CourseDB.execute("UPDATE _queries SET sql = 'DELETE FROM LessonPlans WHERE NoSuchField = ?1' "
                     "WHERE name = 'qDeleteLessonPlan'");
    EXPECT_NE(rt::errorOf([] { DeleteLessonPlan(2); }), 0);
    EXPECT_EQ(counts(), QStringList{"9|3"});
}

TEST_F(LessonPlans, CourseLessonInfo) {
    LessonPlanRecord rec = marked();
    rec.TreeID = 12;
    GetCourseLessonInfo(rec);
    EXPECT_EQ(rec.Title, rt::Value("Air Takes Up Space"));
    EXPECT_EQ(rec.ItemNumber, "1");
    EXPECT_TRUE(rec.Objective3.isNull());
    EXPECT_EQ(rec.Objective4, rt::Value(QString()));
    EXPECT_EQ(rec.Objective5, rt::Value("Use the rain barrel by the school garden."));
    EXPECT_EQ(rec.TreeID, 12);

    LessonPlanRecord unknown = marked();
    unknown.TreeID = 9999;
    GetCourseLessonInfo(unknown);
    LessonPlanRecord expected = marked();
    expected.TreeID = -999;
    EXPECT_EQ(unknown, expected);

    LessonPlanRecord unit = marked();
    unit.TreeID = 50; // a unit without an item number
    EXPECT_EQ(rt::errorOf([&] { GetCourseLessonInfo(unit); }), 94);
}

TEST_F(LessonPlans, TwoPlansOnOneDateMoveAndLoadLowestIdFirst) {
    LessonPlanRecord rec;
    ASSERT_TRUE(GetLessonPlanForDate(jan(13), rec));
    EXPECT_EQ(rec.LessonPlanID, 9);
    MoveLessonPlan(rec, jan(15));
    EXPECT_EQ(plansOn("2027-01-13"), QStringList{"10|34|Precipitation|3|False"});
    EXPECT_EQ(plansOn("2027-01-15"), QStringList{"9|33|Condensation|2|False"});

    // Moving onto a day with a plan leaves both there; the lower id is the one loaded.
    ASSERT_TRUE(GetLessonPlanForDate(jan(4), rec));
    MoveLessonPlan(rec, jan(5));
    EXPECT_EQ(plansOn("2027-01-05").size(), 2);
    ASSERT_TRUE(GetLessonPlanForDate(jan(5), rec));
    EXPECT_EQ(rec.LessonPlanID, 1);
    EXPECT_EQ(QueryRows("SELECT COUNT(*) FROM LessonResources WHERE LessonPlanID = 1"), QStringList{"3"});

    rec.LPDate = jan(10); // no plan there: nothing moves
    MoveLessonPlan(rec, jan(20));
    EXPECT_TRUE(plansOn("2027-01-20").isEmpty());
}

TEST_F(LessonPlans, NullBlockedIsScheduledButNoPlan) {
    DetachClassTables();
    attach("edge.lkc");
    bool scheduled = false, blocked = true;
    IsLessonScheduled(jan(4), scheduled, blocked);
    EXPECT_TRUE(scheduled);
    EXPECT_FALSE(blocked);
    LessonPlanRecord rec = marked();
    EXPECT_FALSE(GetLessonPlanForDate(jan(4), rec));
    EXPECT_EQ(rec, marked()); // blocked is read first
}

} // namespace
