// Shifting the large course's school year of plans, each with its ten resources, across its special
// days, on a class file on disk: PushLessonsForward by one school day from the first day (every lesson
// plan moves), PullLessonsBack to the first day, and DeleteLessonsInSpan over two weeks that hold two
// special days. Each beside raw SQLite writing the same rows in one transaction; the goal is 50 ms or less
// for a push or a pull, 16 ms for a span deletion.
#include "planner/core/lesson_shifting.h"
#include "planner_bench.h"
#include "raw_sqlite.h"
#include "runtime/testing/platform_doubles.h"
#include "runtime/value/date.h"

#include <utility>
#include <vector>

namespace {

const QDate firstDay(2027, 8, 30);   // a Monday, the first school day
const QDate spanStart(2027, 11, 22); // the Monday of Thanksgiving week
constexpr int spanDays = 10;

qint32 first() {
    return rt::daysFromDate(firstDay);
}

// The raw connection to the shared course's class, opened once.
sqlite3* classDb() {
    static sqlite3* db = [] {
        const LargeCourse& course = linkedLargeCourse();
        return course.rawConnection(course.classFile);
    }();
    return db;
}

void exec(const char* sql) {
    raw::exec(classDb(), sql);
}

// Each plan's date, by LessonPlanID.
std::vector<std::pair<int, std::string>> planDates() {
    std::vector<std::pair<int, std::string>> dates;
    sqlite3_stmt* s =
        raw::prepare(classDb(), "SELECT LessonPlanID, LPDate FROM class.LessonPlans ORDER BY LessonPlanID");
    while (raw::step(s))
        dates.emplace_back(sqlite3_column_int(s, 0),
                           reinterpret_cast<const char*>(sqlite3_column_text(s, 1)));
    raw::finalize(s);
    return dates;
}

// The date writes that took `before` to `after`.
std::vector<std::pair<int, std::string>> moves(const std::vector<std::pair<int, std::string>>& before,
                                               const std::vector<std::pair<int, std::string>>& after) {
    std::vector<std::pair<int, std::string>> out;
    for (size_t i = 0; i < after.size(); ++i)
        if (after[i] != before[i]) out.push_back(after[i]);
    return out;
}

// The same date writes, one prepared UPDATE a plan, in one transaction.
void writeDates(const std::vector<std::pair<int, std::string>>& writes) {
    sqlite3_stmt* s =
        raw::prepare(classDb(), "UPDATE class.LessonPlans SET LPDate = ?1 WHERE LessonPlanID = ?2");
    exec("BEGIN");
    for (const auto& [id, date] : writes) {
        raw::bind(sqlite3_bind_text, s, 1, date.c_str(), int(date.size()), SQLITE_STATIC);
        raw::bind(sqlite3_bind_int, s, 2, id);
        raw::step(s);
        raw::reset(s);
    }
    exec("COMMIT");
    raw::finalize(s);
}

void PushForward(benchmark::State& state) {
    for (auto _ : state) {
        PushLessonsForward(first(), 1);
        state.PauseTiming();
        PullLessonsBack(first());
        state.ResumeTiming();
    }
}

void PullBack(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        PushLessonsForward(first(), 1);
        state.ResumeTiming();
        PullLessonsBack(first());
    }
}

// The raw writes of a push (or, when `pull`, of the pull that undoes it), the other direction untimed.
void rawShift(benchmark::State& state, bool pull) {
    const auto before = planDates();
    PushLessonsForward(first(), 1);
    const auto after = planDates();
    PullLessonsBack(first());
    const auto forward = moves(before, after), back = moves(after, before);
    for (auto _ : state) {
        if (pull) {
            state.PauseTiming();
            writeDates(forward);
            state.ResumeTiming();
            writeDates(back);
        } else {
            writeDates(forward);
            state.PauseTiming();
            writeDates(back);
            state.ResumeTiming();
        }
    }
}

void PushForwardRaw(benchmark::State& state) {
    rawShift(state, false);
}

void PullBackRaw(benchmark::State& state) {
    rawShift(state, true);
}

// The span's plans and their resources, kept aside (once) so that each iteration starts from them.
void keepSpan() {
    static bool kept = false;
    if (std::exchange(kept, true)) return;
    exec("CREATE TEMP TABLE keptPlans AS SELECT * FROM class.LessonPlans "
         "WHERE LPDate BETWEEN '2027-11-22' AND '2027-12-03' AND TreeID <> -666");
    exec("CREATE TEMP TABLE keptResources AS SELECT * FROM class.LessonResources "
         "WHERE LessonPlanID IN (SELECT LessonPlanID FROM keptPlans)");
}

void restoreSpan() {
    exec("BEGIN");
    exec("DELETE FROM class.LessonResources WHERE LessonPlanID IN (SELECT LessonPlanID FROM keptPlans)");
    exec("DELETE FROM class.LessonPlans WHERE LessonPlanID IN (SELECT LessonPlanID FROM keptPlans)");
    exec("INSERT INTO class.LessonPlans SELECT * FROM keptPlans");
    exec("INSERT INTO class.LessonResources SELECT * FROM keptResources");
    exec("COMMIT");
}

void DeleteSpan(benchmark::State& state) {
    keepSpan();
    rt::PlatformDoubles p;
    for (auto _ : state) {
        DeleteLessonsInSpan(p.platform, rt::daysFromDate(spanStart), spanDays);
        state.PauseTiming();
        restoreSpan();
        state.ResumeTiming();
    }
}

// Each plan's resources and then the plan deleted, one prepared DELETE each, in one transaction.
void DeleteSpanRaw(benchmark::State& state) {
    keepSpan();
    std::vector<int> ids;
    sqlite3_stmt* s = raw::prepare(classDb(), "SELECT LessonPlanID FROM keptPlans");
    while (raw::step(s)) ids.push_back(sqlite3_column_int(s, 0));
    raw::finalize(s);
    sqlite3_stmt *resources = nullptr, *plan = nullptr;
    resources = raw::prepare(classDb(), "DELETE FROM class.LessonResources WHERE LessonPlanID = ?1");
    plan = raw::prepare(classDb(), "DELETE FROM class.LessonPlans WHERE LessonPlanID = ?1");
    for (auto _ : state) {
        exec("BEGIN");
        for (int id : ids)
            for (sqlite3_stmt* d : {resources, plan}) {
                raw::bind(sqlite3_bind_int, d, 1, id);
                raw::step(d);
                raw::reset(d);
            }
        exec("COMMIT");
        state.PauseTiming();
        restoreSpan();
        state.ResumeTiming();
    }
    raw::finalize(resources);
    raw::finalize(plan);
}

BENCHMARK(PushForward)->Unit(benchmark::kMillisecond);
BENCHMARK(PushForwardRaw)->Unit(benchmark::kMillisecond);
BENCHMARK(PullBack)->Unit(benchmark::kMillisecond);
BENCHMARK(PullBackRaw)->Unit(benchmark::kMillisecond);
BENCHMARK(DeleteSpan)->Unit(benchmark::kMillisecond);
BENCHMARK(DeleteSpanRaw)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runPlannerBenchmarks(argc, argv, [](RatioReporter& reporter) {
        for (const std::string op : {"PushForward", "PullBack", "DeleteSpan"})
            reporter.printRatio(op + " / raw", op, op + "Raw");
        const RatioReporter::Goal year{RatioReporter::Goal::Milliseconds, 50};
        reporter.row("PushLessonsForward by 1", "158 plans x 10 resources, 22 special days", "PushForward",
                     "PushForwardRaw", year);
        reporter.row("PullLessonsBack", "158 plans x 10 resources, 22 special days", "PullBack",
                     "PullBackRaw", year);
        reporter.row("DeleteLessonsInSpan", "10 school days, 2 special", "DeleteSpan", "DeleteSpanRaw",
                     {RatioReporter::Goal::Milliseconds, 16});
    });
}
