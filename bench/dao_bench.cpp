// The database layer against raw prepared SQLite statements, side by side, on the large course's class:
// the point query by date that loading a day's plan runs (fetch the saved query by name, open, read,
// close, as the programs do for every look-up), and 1,000 inserts in one transaction through a
// table-type recordset on a link. Prints the ratio layer / raw of each pair; the goal is 1.5 or less.
#include "planner_bench.h"
#include "raw_sqlite.h"
#include "runtime/dao/engine.h"
#include "runtime/value/date.h"

#include <QCoreApplication>
#include <QDate>
#include <benchmark/benchmark.h>

namespace {

// The school days in an order that jumps about the year.
qint32 dayNumber(int i) {
    static const QList<QDate> days = LargeCourse::schoolDays();
    return rt::daysFromDate(days[(i * 97) % days.size()]);
}

// The class's own 1,580 resource rows are kept; the inserted ones go after each iteration.
const QString dropInserted = QStringLiteral("DELETE FROM LessonResources WHERE LessonItemID > 1580");

void PointQueryLayer(benchmark::State& state) {
    rt::Database db = rt::DBEngine::instance().workspace().openDatabase(linkedLargeCourse().database);
    int i = 0;
    for (auto _ : state) {
        rt::QueryDef q = db.queryDef(QStringLiteral("qLoadLessonPlan"));
        q.setParameter(0, rt::Value::date(dayNumber(i++)));
        rt::Recordset rs = q.open();
        if (!rs.eof()) {
            benchmark::DoNotOptimize(rs.field("blocked").toBool());
            benchmark::DoNotOptimize(rs.field("LPDate").toDate());
            benchmark::DoNotOptimize(rs.field("LessonPlanID").toInt32());
            for (const char* f : {"Objective1", "Objective2", "Objective3", "Objective4", "Objective5",
                                  "Title", "ItemNumber"})
                benchmark::DoNotOptimize(rs.field(f));
            benchmark::DoNotOptimize(rs.field("TreeID").toInt32());
        }
        rs.close();
    }
}

void PointQueryRaw(benchmark::State& state) {
    const LargeCourse& course = linkedLargeCourse();
    sqlite3* db = course.rawConnection(course.classFile);
    sqlite3_stmt* s = raw::prepare(
        db,
        "SELECT LessonPlanID, TreeID, LPDate, Title, ItemNumber, blocked, Objective1, Objective2, "
        "Objective3, Objective4, Objective5 FROM LessonPlans WHERE LPDate = ?1 ORDER BY LessonPlanID",
        SQLITE_PREPARE_PERSISTENT);
    int i = 0;
    for (auto _ : state) {
        const QDate d = rt::dateFromDays(dayNumber(i++));
        char day[16];
        std::snprintf(day, sizeof day, "%04d-%02d-%02d", d.year(), d.month(), d.day());
        raw::bind(sqlite3_bind_text, s, 1, day, 10, SQLITE_TRANSIENT);
        if (raw::step(s)) {
            benchmark::DoNotOptimize(sqlite3_column_int(s, 5) != 0);
            benchmark::DoNotOptimize(QDate::fromString(
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 2))), Qt::ISODate));
            benchmark::DoNotOptimize(sqlite3_column_int(s, 0));
            for (int c : {6, 7, 8, 9, 10, 3, 4})
                benchmark::DoNotOptimize(QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(s, c)), sqlite3_column_bytes(s, c)));
            benchmark::DoNotOptimize(sqlite3_column_int(s, 1));
            while (raw::step(s)) {
            }
        }
        raw::reset(s);
        raw::check(s, sqlite3_clear_bindings(s));
    }
    raw::finalize(s);
    raw::close(db);
}

void InsertsLayer(benchmark::State& state) {
    rt::Workspace& ws = rt::DBEngine::instance().workspace();
    rt::Database db = ws.openDatabase(linkedLargeCourse().database);
    for (auto _ : state) {
        ws.beginTrans();
        rt::Recordset rs = db.openTable(QStringLiteral("LessonResources"));
        for (int i = 0; i < 1000; ++i) {
            rs.addNew();
            rs.setField("ResourceID", rt::Value::longInt(i + 1));
            rs.setField("TypeID", rt::Value::longInt(2));
            rs.setField("LessonPlanID", rt::Value::longInt(i % LargeCourse::SchoolDays + 1));
            rs.setField("Title", rt::Value(QStringLiteral("Cup in a Tub")));
            rs.setField("Duration", rt::Value::integer(15));
            rs.setField("SortOrder", rt::Value::integer(qint16(i % 30)));
            rs.setField("Descript", rt::Value(QStringLiteral("Push a cup into water.")));
            rs.setField("Header", rt::Value::boolean(false));
            rs.update();
        }
        rs.close();
        ws.commitTrans();
        state.PauseTiming();
        db.execute(dropInserted);
        state.ResumeTiming();
    }
}

void InsertsRaw(benchmark::State& state) {
    const LargeCourse& course = linkedLargeCourse();
    sqlite3* db = course.rawConnection(course.classFile);
    sqlite3_stmt* s = raw::prepare(
        db,
        "INSERT INTO LessonResources (ResourceID, TypeID, LessonPlanID, Title, Duration, SortOrder, "
        "Descript, Header) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)",
        SQLITE_PREPARE_PERSISTENT);
    for (auto _ : state) {
        raw::exec(db, "BEGIN");
        for (int i = 0; i < 1000; ++i) {
            const QString title = QStringLiteral("Cup in a Tub"),
                          descript = QStringLiteral("Push a cup into water.");
            raw::bind(sqlite3_bind_int, s, 1, i + 1);
            raw::bind(sqlite3_bind_int, s, 2, 2);
            raw::bind(sqlite3_bind_int, s, 3, i % LargeCourse::SchoolDays + 1);
            raw::bind(sqlite3_bind_text16, s, 4, title.utf16(), int(title.size() * 2), SQLITE_TRANSIENT);
            raw::bind(sqlite3_bind_int, s, 5, 15);
            raw::bind(sqlite3_bind_int, s, 6, i % 30);
            raw::bind(sqlite3_bind_text16, s, 7, descript.utf16(), int(descript.size() * 2),
                      SQLITE_TRANSIENT);
            raw::bind(sqlite3_bind_int, s, 8, 0);
            raw::step(s);
            raw::reset(s);
        }
        raw::exec(db, "COMMIT");
        state.PauseTiming();
        raw::exec(db, dropInserted.toUtf8().constData());
        state.ResumeTiming();
    }
    raw::finalize(s);
    raw::close(db);
}

BENCHMARK(PointQueryLayer);
BENCHMARK(PointQueryRaw);
BENCHMARK(InsertsLayer)->Unit(benchmark::kMillisecond);
BENCHMARK(InsertsRaw)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    linkedLargeCourse();
    return runBenchmarks<QCoreApplication>(argc, argv, [](RatioReporter& reporter) {
        for (const std::string pair : {"PointQuery", "Inserts"})
            reporter.printRatio(pair + " layer / raw", pair + "Layer", pair + "Raw", "(goal: 1.5 or less)");
        const RatioReporter::Goal ratio{RatioReporter::Goal::Ratio, 1.5};
        reporter.row("Saved query by date (layer)", "180 plans", "PointQueryLayer", "PointQueryRaw", ratio);
        reporter.row("1,000 inserts through a link", "1,580 rows + 1,000", "InsertsLayer", "InsertsRaw",
                     ratio);
    });
}
