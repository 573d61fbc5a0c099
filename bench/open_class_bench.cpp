// Opening a class of the large course: AttachClassTables after the previous class was detached (the
// course database closed, as opening a class finds it) and with the course database already open, and
// the whole opening as the main window then shows it: the attach, the first day's plan and its ten
// resources as the lesson grid reads them. Each beside raw SQLite opening the same files and reading
// and writing the same rows; the goal is 3 ms for an attach, 16 ms for the opening.
#include "planner/data/lesson_plans.h"
#include "planner_bench.h"
#include "runtime/command_line.h"
#include "runtime/testing/platform_doubles.h"
#include "runtime/value/date.h"

#include <QFile>
#include <sqlite3.h>

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

sqlite3* open(const QString& path) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    return db;
}

// The rows of `sql` stepped through, their first text column read.
void readRows(sqlite3* db, const char* sql, int parameter = 0) {
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &s, nullptr);
    if (parameter) sqlite3_bind_int(s, 1, parameter);
    while (sqlite3_step(s) == SQLITE_ROW)
        benchmark::DoNotOptimize(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0))));
    sqlite3_finalize(s);
}

// Raw: the class file opened exclusively and its two rows read, the course database opened, the four
// link rows written in one transaction, the class file attached to it.
sqlite3* rawAttach(const LargeCourse& course) {
    sqlite3* cls = open(course.classFile);
    sqlite3_exec(cls, "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; COMMIT", nullptr, nullptr, nullptr);
    readRows(cls, "SELECT DBName, DBVersion FROM Version");
    readRows(cls, "SELECT Comments, Period, Teacher, Subject FROM Class");
    sqlite3* db = open(course.database);
    const QByteArray connect = ";DATABASE=" + QFile::encodeName(course.classFile) + ';';
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO _links (name, source_table, connect) VALUES (?1, ?2, ?3)", -1, &s,
                       nullptr);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    for (const auto& [link, source] :
         {std::pair{"Class", "Class"}, std::pair{"LessonPlans", "LessonPlans"},
          std::pair{"LessonResources", "LessonResources"}, std::pair{"ClassVersion", "Version"}}) {
        sqlite3_bind_text(s, 1, link, -1, SQLITE_STATIC);
        sqlite3_bind_text(s, 2, source, -1, SQLITE_STATIC);
        sqlite3_bind_text(s, 3, connect.constData(), int(connect.size()), SQLITE_STATIC);
        sqlite3_step(s);
        sqlite3_reset(s);
    }
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_finalize(s);
    sqlite3_close(cls);
    sqlite3_stmt* a = nullptr;
    sqlite3_prepare_v2(db, "ATTACH ?1 AS class", -1, &a, nullptr);
    const QByteArray path = QFile::encodeName(course.classFile);
    sqlite3_bind_text(a, 1, path.constData(), int(path.size()), SQLITE_STATIC);
    sqlite3_step(a);
    sqlite3_finalize(a);
    return db;
}

void rawDetach(sqlite3* db) {
    sqlite3_exec(db, "DELETE FROM _links; DETACH class", nullptr, nullptr, nullptr);
    sqlite3_close(db);
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
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(
            db,
            "SELECT LessonPlanID, TreeID, LPDate, Title, ItemNumber, blocked, Objective1, Objective2, "
            "Objective3, Objective4, Objective5 FROM LessonPlans WHERE LPDate = '2027-08-30' "
            "ORDER BY LessonPlanID",
            -1, &s, nullptr);
        const int plan = sqlite3_step(s) == SQLITE_ROW ? sqlite3_column_int(s, 0) : 0;
        sqlite3_finalize(s);
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
