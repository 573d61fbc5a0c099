// The database layer against raw prepared SQLite statements, side by side: the point query by date that
// loading a day's plan runs (fetch the saved query by name, open, read, close, as the programs do for
// every look-up), and 1,000 inserts in one transaction through a table-type recordset on a link.
// Prints the ratio layer / raw of each pair; the goal is 1.5 or less.
#include "runtime/dao/engine.h"
#include "runtime/value/date.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <sqlite3.h>

namespace {

constexpr int planDays = 2000;
const QDate firstDay(2027, 1, 4);

struct Files {
    QTemporaryDir dir;
    QString course, classFile;
    Files() {
        course = dir.filePath(QStringLiteral("course.mdb"));
        classFile = dir.filePath(QStringLiteral("class.lkc"));
        QFile::copy(QStringLiteral(LK_COURSE_DIR "/SAMPLE1/SAMPLE1.mdb"), course);
        QFile::copy(QStringLiteral(LK_PROGRAM_DIR "/CLASS.NEW"), classFile);
        sqlite3* db = nullptr;
        sqlite3_open(QFile::encodeName(classFile).constData(), &db);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db,
                           "INSERT INTO LessonPlans (TreeID, LPDate, Title, ItemNumber, blocked, Objective1, "
                           "Objective2, Objective5) VALUES (12, ?1, 'Air Takes Up Space', '1', 0, "
                           "'Show that air takes up space.', 'Predict, observe and explain.', NULL)",
                           -1, &s, nullptr);
        for (int i = 0; i < planDays; ++i) {
            const QByteArray day = firstDay.addDays(i).toString(Qt::ISODate).toLatin1();
            sqlite3_bind_text(s, 1, day.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_step(s);
            sqlite3_reset(s);
        }
        sqlite3_finalize(s);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        rt::Database d = rt::DBEngine::instance().workspace().openDatabase(course);
        const QString connect = QStringLiteral(";DATABASE=") + classFile + u';';
        for (const char* link : {"Class", "LessonPlans", "LessonResources"})
            d.appendLink(QString::fromLatin1(link), QString::fromLatin1(link), connect);
    }
};

Files& files() {
    static Files f;
    return f;
}

qint32 dayNumber(int i) {
    return rt::daysFromDate(firstDay.addDays((i * 7919) % planDays));
}

// The raw side opens the same files the same way: the course database with the class file attached.
sqlite3* rawConnection() {
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(files().course).constData(), &db);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "ATTACH ?1 AS class", -1, &s, nullptr);
    const QByteArray path = QFile::encodeName(files().classFile);
    sqlite3_bind_text(s, 1, path.constData(), -1, SQLITE_TRANSIENT);
    sqlite3_step(s);
    sqlite3_finalize(s);
    return db;
}

void PointQueryLayer(benchmark::State& state) {
    rt::Database db = rt::DBEngine::instance().workspace().openDatabase(files().course);
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
    sqlite3* db = rawConnection();
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v3(
        db,
        "SELECT LessonPlanID, TreeID, LPDate, Title, ItemNumber, blocked, Objective1, Objective2, "
        "Objective3, Objective4, Objective5 FROM LessonPlans WHERE LPDate = ?1 ORDER BY LessonPlanID",
        -1, SQLITE_PREPARE_PERSISTENT, &s, nullptr);
    int i = 0;
    for (auto _ : state) {
        const QDate d = rt::dateFromDays(dayNumber(i++));
        char day[16];
        std::snprintf(day, sizeof day, "%04d-%02d-%02d", d.year(), d.month(), d.day());
        sqlite3_bind_text(s, 1, day, 10, SQLITE_TRANSIENT);
        if (sqlite3_step(s) == SQLITE_ROW) {
            benchmark::DoNotOptimize(sqlite3_column_int(s, 5) != 0);
            benchmark::DoNotOptimize(QDate::fromString(
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 2))), Qt::ISODate));
            benchmark::DoNotOptimize(sqlite3_column_int(s, 0));
            for (int c : {6, 7, 8, 9, 10, 3, 4})
                benchmark::DoNotOptimize(QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(s, c)), sqlite3_column_bytes(s, c)));
            benchmark::DoNotOptimize(sqlite3_column_int(s, 1));
            while (sqlite3_step(s) == SQLITE_ROW) {
            }
        }
        sqlite3_reset(s);
        sqlite3_clear_bindings(s);
    }
    sqlite3_finalize(s);
    sqlite3_close(db);
}

void InsertsLayer(benchmark::State& state) {
    rt::Workspace& ws = rt::DBEngine::instance().workspace();
    rt::Database db = ws.openDatabase(files().course);
    for (auto _ : state) {
        ws.beginTrans();
        rt::Recordset rs = db.openTable(QStringLiteral("LessonResources"));
        for (int i = 0; i < 1000; ++i) {
            rs.addNew();
            rs.setField("ResourceID", rt::Value::longInt(i + 1));
            rs.setField("TypeID", rt::Value::longInt(2));
            rs.setField("LessonPlanID", rt::Value::longInt(i % planDays + 1));
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
        db.execute(QStringLiteral("DELETE FROM LessonResources"));
        state.ResumeTiming();
    }
}

void InsertsRaw(benchmark::State& state) {
    sqlite3* db = rawConnection();
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v3(
        db,
        "INSERT INTO LessonResources (ResourceID, TypeID, LessonPlanID, Title, Duration, SortOrder, "
        "Descript, Header) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)",
        -1, SQLITE_PREPARE_PERSISTENT, &s, nullptr);
    for (auto _ : state) {
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        for (int i = 0; i < 1000; ++i) {
            const QString title = QStringLiteral("Cup in a Tub"),
                          descript = QStringLiteral("Push a cup into water.");
            sqlite3_bind_int(s, 1, i + 1);
            sqlite3_bind_int(s, 2, 2);
            sqlite3_bind_int(s, 3, i % planDays + 1);
            sqlite3_bind_text16(s, 4, title.utf16(), int(title.size() * 2), SQLITE_TRANSIENT);
            sqlite3_bind_int(s, 5, 15);
            sqlite3_bind_int(s, 6, i % 30);
            sqlite3_bind_text16(s, 7, descript.utf16(), int(descript.size() * 2), SQLITE_TRANSIENT);
            sqlite3_bind_int(s, 8, 0);
            sqlite3_step(s);
            sqlite3_reset(s);
        }
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        state.PauseTiming();
        sqlite3_exec(db, "DELETE FROM LessonResources", nullptr, nullptr, nullptr);
        state.ResumeTiming();
    }
    sqlite3_finalize(s);
    sqlite3_close(db);
}

BENCHMARK(PointQueryLayer);
BENCHMARK(PointQueryRaw);
BENCHMARK(InsertsLayer)->Unit(benchmark::kMillisecond);
BENCHMARK(InsertsRaw)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's time per iteration for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, std::pair<double, double>> seconds; // real, CPU
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs)
            if (r.iterations > 0 && r.run_type == Run::RT_Iteration)
                seconds[r.run_name.function_name] = {r.real_accumulated_time / double(r.iterations),
                                                     r.cpu_accumulated_time / double(r.iterations)};
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    files();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const char* pair : {"PointQuery", "Inserts"}) {
        const std::string name(pair);
        const auto layer = reporter.seconds[name + "Layer"], raw = reporter.seconds[name + "Raw"];
        if (raw.first > 0 && raw.second > 0)
            std::printf("%-10s layer / raw: %.2f real time, %.2f CPU time (goal: 1.5 or less)\n", pair,
                        layer.first / raw.first, layer.second / raw.second);
    }
    rt::DBEngine::instance().workspace().close();
    benchmark::Shutdown();
    return 0;
}
