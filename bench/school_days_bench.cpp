// Shifting a school year: 180 consecutive plans from the first day, pushed one school day later
// (PushLessonsForward) and pulled back (PullLessonsBack) on a class file on disk, each against the one
// SQL UPDATE that moves the same rows to the same days. Prints the time of each and the ratio; the goal
// is 50 ms or less for each operation.
#include "planner/core/lesson_shifting.h"
#include "planner_bench.h"
#include "runtime/value/date.h"

#include <sqlite3.h>

namespace {

const QDate firstDay(2027, 8, 30); // a Monday

BenchFiles& files() {
    static BenchFiles f([] {
        QList<QDate> days;
        for (QDate d = firstDay; days.size() < 180; d = d.addDays(1))
            if (d.dayOfWeek() <= 5) days << d;
        return days;
    }());
    return f;
}

qint32 first() {
    return rt::daysFromDate(firstDay);
}

// Every plan one school day later, or earlier, as one statement.
const char* const updateForward =
    "UPDATE LessonPlans SET LPDate = date(LPDate, CASE strftime('%w', LPDate) WHEN '5' THEN '+3 days' "
    "ELSE '+1 day' END) WHERE LPDate >= '2027-08-30'";
const char* const updateBack =
    "UPDATE LessonPlans SET LPDate = date(LPDate, CASE strftime('%w', LPDate) WHEN '1' THEN '-3 days' "
    "ELSE '-1 day' END) WHERE LPDate >= '2027-08-31'";

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

// One UPDATE timed, the other one putting the rows back.
void rawUpdates(benchmark::State& state, const char* timed, const char* undo) {
    sqlite3* db = files().rawConnection();
    for (auto _ : state) {
        sqlite3_exec(db, timed, nullptr, nullptr, nullptr);
        state.PauseTiming();
        sqlite3_exec(db, undo, nullptr, nullptr, nullptr);
        state.ResumeTiming();
    }
    sqlite3_close(db);
}

void PushForwardUpdate(benchmark::State& state) {
    rawUpdates(state, updateForward, updateBack);
}

void PullBackUpdate(benchmark::State& state) {
    rawUpdates(state, updateBack, updateForward);
}

BENCHMARK(PushForward)->Unit(benchmark::kMillisecond);
BENCHMARK(PushForwardUpdate)->Unit(benchmark::kMillisecond);
BENCHMARK(PullBack)->Unit(benchmark::kMillisecond);
BENCHMARK(PullBackUpdate)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runPlannerBenchmarks(argc, argv, files, [](RatioReporter& reporter) {
        for (const std::string op : {"PushForward", "PullBack"}) {
            std::printf("%-28s %.1f ms (goal: 50 ms or less)\n", (op + ':').c_str(),
                        reporter.seconds[op].real * 1e3);
            reporter.printRatio(op + " / one UPDATE", op, op + "Update");
        }
    });
}
