// Opening a class of the large course: AttachClassTables after the previous class was detached (the
// course database closed, as opening a class finds it) and with the course database already open, and
// the whole opening as the main window then shows it: the attach, the first day's plan and its ten
// resources as the lesson grid reads them. Each beside raw SQLite opening the same files and reading
// and writing the same rows; the goal is 3 ms for an attach, 16 ms for the opening.
#include "planner/data/lesson_plans.h"
#include "planner_bench.h"
#include "raw_class.h"
#include "raw_sqlite.h"
#include "runtime/command_line.h"
#include "runtime/testing/platform_doubles.h"
#include "runtime/value/date.h"

namespace {

const QDate firstDay(2027, 8, 30);

// The lesson grid's rows of a plan.
const QString gridRows =
    QStringLiteral("SELECT ResourceID, Title, Duration, Header, SortOrder, Descript, "
                   "LessonItemID FROM LessonResources WHERE LessonPlanID=%1 ORDER BY SortOrder");

// The large course installed, with the command line's course key, as the planner starts with it.
struct Planner {
    Planner() {
        course.install(p.settings);
        rt::setCommandLine(QString::fromLatin1(LargeCourse::Key));
        LoadedCourse = rt::commandLine();
    }
    ~Planner() { DetachClassTables(); }

    LargeCourse course;
    rt::PlatformDoubles p;
};

bool openClass(Planner& planner) {
    if (!AttachClassTables(planner.p.platform, planner.course.classFile)) return false;
    LessonPlanRecord rec;
    GetLessonPlanForDate(rt::daysFromDate(firstDay), rec);
    rt::Recordset rs = CourseDB.openSql(gridRows.arg(rec.LessonPlanID));
    for (; !rs.eof(); rs.moveNext()) benchmark::DoNotOptimize(rs.field("Title").toString());
    rs.close();
    return true;
}

void Attach(benchmark::State& state) {
    Planner planner;
    for (auto _ : state) {
        if (!AttachClassTables(planner.p.platform, planner.course.classFile)) state.SkipWithError("refused");
        state.PauseTiming();
        DetachClassTables();
        state.ResumeTiming();
    }
}

void AttachCourseOpen(benchmark::State& state) {
    Planner planner;
    for (auto _ : state) {
        state.PauseTiming();
        DetachClassTables();
        OpenCourseDatabase(planner.p.platform, LoadedCourse);
        state.ResumeTiming();
        if (!AttachClassTables(planner.p.platform, planner.course.classFile)) state.SkipWithError("refused");
    }
}

void OpenClass(benchmark::State& state) {
    Planner planner;
    for (auto _ : state) {
        if (!openClass(planner)) state.SkipWithError("refused");
        state.PauseTiming();
        DetachClassTables();
        state.ResumeTiming();
    }
}

void AttachRaw(benchmark::State& state) {
    Planner planner;
    for (auto _ : state) {
        sqlite3* db = rawAttach(planner.course);
        state.PauseTiming();
        rawDetach(db);
        state.ResumeTiming();
    }
}

void OpenClassRaw(benchmark::State& state) {
    Planner planner;
    for (auto _ : state) {
        sqlite3* db = rawAttach(planner.course);
        sqlite3_stmt* s = raw::prepare(
            db, "SELECT LessonPlanID, TreeID, LPDate, Title, ItemNumber, blocked, Objective1, Objective2, "
                "Objective3, Objective4, Objective5 FROM LessonPlans WHERE LPDate = '2027-08-30' "
                "ORDER BY LessonPlanID");
        const int plan = raw::step(s) ? sqlite3_column_int(s, 0) : 0;
        raw::finalize(s);
        readRows(db,
                 "SELECT Title, ResourceID, Duration, Header, SortOrder, Descript, LessonItemID FROM "
                 "LessonResources WHERE LessonPlanID = ?1 ORDER BY SortOrder",
                 plan);
        state.PauseTiming();
        rawDetach(db);
        state.ResumeTiming();
    }
}

BENCHMARK(Attach)->Unit(benchmark::kMillisecond);
BENCHMARK(AttachCourseOpen)->Unit(benchmark::kMillisecond);
BENCHMARK(AttachRaw)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenClass)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenClassRaw)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks<QCoreApplication>(argc, argv, [](RatioReporter& reporter) {
        const RatioReporter::Goal attach{RatioReporter::Goal::Milliseconds, 3};
        reporter.row("AttachClassTables", "large course, 180 plans", "Attach", "AttachRaw", attach);
        reporter.row("AttachClassTables, course open", "large course, 180 plans", "AttachCourseOpen",
                     "AttachRaw", attach);
        reporter.row("Open a class: attach, first plan, its resources", "10 resources", "OpenClass",
                     "OpenClassRaw", {RatioReporter::Goal::Milliseconds, 16});
    });
}
