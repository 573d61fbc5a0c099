#include "planner/core/lesson_shifting.h"
#include "planner/core/school_days.h"
#include "planner/core/testing/compact_calendar.h"
#include "planner/data/course_database.h"
#include "planner/data/lesson_plans.h"
#include "runtime/testing/error_of.h"

namespace {

enum class Op { Push, Pull, Delete, Conflict };

struct ShiftCase {
    const char* name;
    const char* before;
    Op op;
    int day;       // the start (or target) day, as an index into the calendar
    int n;         // Push, Delete: school days; Conflict: lessons
    int perLesson; // Conflict: days per lesson
    const char* after;
    int conflict = -1; // Conflict: the index of the day found, -1 for none
};

void PrintTo(const ShiftCase& c, std::ostream* os) {
    *os << c.name;
}

class Shifting : public EmptyClassFixture {
protected:
    void run(const ShiftCase& c) {
        loop.count = 0;
        const qint32 start = schoolDate(c.day);
        switch (c.op) {
        case Op::Push: PushLessonsForward(start, qint16(c.n)); break;
        case Op::Pull: PullLessonsBack(start); break;
        case Op::Delete: DeleteLessonsInSpan(platform, start, qint16(c.n)); break;
        case Op::Conflict: {
            qint32 found = -1;
            const bool conflict = FindScheduleConflict(start, qint16(c.n), qint16(c.perLesson), found);
            EXPECT_EQ(conflict ? found : -1, c.conflict < 0 ? -1 : schoolDate(c.conflict));
            break;
        }
        }
    }
};

class ShiftCases : public Shifting, public ::testing::WithParamInterface<ShiftCase> {};

TEST_P(ShiftCases, GiveTheCalendarAfter) {
    const ShiftCase& c = GetParam();
    writeCalendar(c.before);
    ASSERT_EQ(readCalendar(c.before), normalized(c.before));
    const bool doubledBefore = !doubledDates().isEmpty();
    run(c);
    EXPECT_EQ(readCalendar(c.before), normalized(c.after));
    if (!doubledBefore) {
        EXPECT_EQ(doubledDates(), QStringList());
    }
    EXPECT_EQ(loop.count, c.op == Op::Delete ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ShiftCases,
    ::testing::Values(
        ShiftCase{"push_run_by_one", "A B C . . | . . . . .", Op::Push, 0, 1, 0, ". A B C . | . . . . ."},
        ShiftCase{"push_over_special_tuesday", "A # C . . | . . . . .", Op::Push, 0, 1, 0,
                  ". # A C . | . . . . ."},
        ShiftCase{"push_friday_over_weekend", ". . . . F | . . . . .", Op::Push, 4, 1, 0,
                  ". . . . . | F . . . ."},
        ShiftCase{"push_by_two_over_longer_run", "A B C D E | F . . G .", Op::Push, 0, 2, 0,
                  ". . A B C | D E F G ."},
        ShiftCase{"push_over_excluded_free_day", "A [.] B . . | . . . . .", Op::Push, 0, 1, 0,
                  ". [.] A B . | . . . . ."},
        ShiftCase{"push_past_excluded_plan_and_special", "A B [X] # . | . . . . .", Op::Push, 0, 1, 0,
                  ". A [X] # B | . . . . ."},
        ShiftCase{"push_by_zero", "A B . . . | . . . . .", Op::Push, 0, 0, 0, "A B . . . | . . . . ."},
        ShiftCase{"pull_after_cut_monday", ". B C . . | . . . . .", Op::Pull, 0, 0, 0,
                  "B C . . . | . . . . ."},
        ShiftCase{"pull_over_special_tuesday", ". # C . . | . . . . .", Op::Pull, 0, 0, 0,
                  "C # . . . | . . . . ."},
        ShiftCase{"pull_over_weekend", ". . . . . | F G . . .", Op::Pull, 4, 0, 0, ". . . . F | G . . . ."},
        ShiftCase{"pull_stops_at_free_day", ". B . D . | . . . . .", Op::Pull, 0, 0, 0,
                  "B . . D . | . . . . ."},
        ShiftCase{"conflict_of_no_lessons", "A B C . . | . . . . .", Op::Conflict, 0, 0, 1,
                  "A B C . . | . . . . .", -1},
        ShiftCase{"conflict_span_longer_by_special", ". # . D . | . . . . .", Op::Conflict, 0, 1, 3,
                  ". # . D . | . . . . .", 3},
        ShiftCase{"conflict_not_on_excluded_plan", "[A] . . . . | . . . . .", Op::Conflict, 0, 2, 1,
                  "[A] . . . . | . . . . .", -1},
        ShiftCase{"delete_span_keeps_special_and_excluded", "A # [X] D E | F . . . .", Op::Delete, 0, 3, 0,
                  ". # [X] . . | F . . . ."},
        ShiftCase{"delete_from_special_start", "# A B . . | . . . . .", Op::Delete, 0, 1, 0,
                  "# . B . . | . . . . ."}),
    [](const auto& info) { return std::string(info.param.name); });

// A write that fails half-way through an operation: the trigger refuses the change of one plan.
struct FailureCase {
    const char* name;
    const char* calendar;
    Op op;
    int day, n;
    const char* trigger;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class FailureHalfWay : public Shifting, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailureHalfWay, StoresNothing) {
    const FailureCase& c = GetParam();
    writeCalendar(c.calendar);
    CourseDB.execute(QStringLiteral("CREATE TEMP TRIGGER refuse BEFORE %1 BEGIN "
                                    "SELECT RAISE(ABORT, 'write failed'); END")
                         .arg(c.trigger));
    EXPECT_NE(rt::errorOf([&] { run(ShiftCase{c.name, c.calendar, c.op, c.day, c.n, 0, ""}); }), 0);
    EXPECT_EQ(readCalendar(c.calendar), normalized(c.calendar));

    CourseDB.execute("DROP TRIGGER temp.refuse");
    // Nothing of the failed transaction lingers: the same operation now goes through.
    EXPECT_EQ(rt::errorOf([&] { run(ShiftCase{c.name, c.calendar, c.op, c.day, c.n, 0, ""}); }), 0);
    EXPECT_NE(readCalendar(c.calendar), normalized(c.calendar));
}

INSTANTIATE_TEST_SUITE_P(Table, FailureHalfWay,
                         ::testing::Values(FailureCase{"push", "A B C . .", Op::Push, 0, 1,
                                                       "UPDATE ON LessonPlans WHEN OLD.Title = 'B'"},
                                           FailureCase{"pull", ". B C D .", Op::Pull, 0, 0,
                                                       "UPDATE ON LessonPlans WHEN OLD.Title = 'C'"},
                                           FailureCase{"delete_span", "A B C . .", Op::Delete, 0, 3,
                                                       "DELETE ON LessonPlans WHEN OLD.Title = 'C'"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ScheduleConflict, SpanBeyond16BitsIsAnOverflow) {
    qint32 found = 0;
    EXPECT_EQ(rt::errorOf([&] { FindScheduleConflict(schoolDate(0), 200, 200, found); }), 6);
}

} // namespace
