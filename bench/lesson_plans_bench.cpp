// Loading a day's plan (GetLessonPlanForDate) and testing a day (IsLessonScheduled) through the planner's
// procedures, each against the raw prepared SQLite statement that reads the same row, over the large
// course's school year of plans. Prints the ratio procedure / raw of each pair; the goal is 1.5 or less.
#include "planner/data/lesson_plans.h"
#include "planner_bench.h"
#include "raw_sqlite.h"
#include "runtime/value/date.h"

namespace {

// The plan days in an order that jumps about the year, as day numbers and as stored text.
const QList<qint32>& dayNumbers() {
    static const QList<qint32> numbers = [] {
        const QList<QDate> year = LargeCourse::schoolDays();
        QList<qint32> out;
        for (qsizetype i = 0; i < year.size(); ++i) out << rt::daysFromDate(year[(i * 97) % year.size()]);
        return out;
    }();
    return numbers;
}

QByteArray storedDate(qint32 day) {
    return rt::dateFromDays(day).toString(Qt::ISODate).toLatin1();
}

QString text(sqlite3_stmt* s, int column) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, column)),
                             sqlite3_column_bytes(s, column));
}

sqlite3_stmt* prepare(sqlite3* db, const char* sql) {
    sqlite3_stmt* s = raw::prepare(db, sql, SQLITE_PREPARE_PERSISTENT);
    return s;
}

void LoadPlanProcedure(benchmark::State& state) {
    const QList<qint32>& days = dayNumbers();
    qsizetype i = 0;
    LessonPlanRecord rec;
    for (auto _ : state) benchmark::DoNotOptimize(GetLessonPlanForDate(days[i++ % days.size()], rec));
}

void LoadPlanRaw(benchmark::State& state) {
    const QList<qint32>& days = dayNumbers();
    const LargeCourse& course = linkedLargeCourse();
    sqlite3* db = course.rawConnection(course.classFile);
    sqlite3_stmt* s =
        prepare(db, "SELECT LessonPlanID, TreeID, LPDate, Title, ItemNumber, blocked, Objective1, "
                    "Objective2, Objective3, Objective4, Objective5 FROM LessonPlans "
                    "WHERE LPDate = ?1 ORDER BY LessonPlanID");
    qsizetype i = 0;
    LessonPlanRecord rec;
    for (auto _ : state) {
        const QByteArray day = storedDate(days[i++ % days.size()]);
        raw::bind(sqlite3_bind_text, s, 1, day.constData(), int(day.size()), SQLITE_TRANSIENT);
        const bool found = raw::step(s);
        if (found) {
            rec.blocked = sqlite3_column_int(s, 5) != 0;
            rec.LPDate = rt::daysFromDate(QDate::fromString(text(s, 2), Qt::ISODate));
            rec.LessonPlanID = sqlite3_column_int(s, 0);
            rec.Objective1 = text(s, 6);
            rec.Objective2 = text(s, 7);
            rec.Objective3 = text(s, 8);
            rec.Objective4 = text(s, 9);
            rec.Objective5 = text(s, 10);
            rec.Title = text(s, 3);
            rec.TreeID = sqlite3_column_int(s, 1);
            rec.ItemNumber = text(s, 4);
        }
        benchmark::DoNotOptimize(found);
        raw::reset(s);
    }
    raw::finalize(s);
    raw::close(db);
}

void IsScheduledProcedure(benchmark::State& state) {
    const QList<qint32>& days = dayNumbers();
    qsizetype i = 0;
    bool scheduled = false, blocked = false;
    for (auto _ : state) {
        IsLessonScheduled(days[i++ % days.size()], scheduled, blocked);
        benchmark::DoNotOptimize(scheduled);
    }
}

void IsScheduledRaw(benchmark::State& state) {
    const QList<qint32>& days = dayNumbers();
    const LargeCourse& course = linkedLargeCourse();
    sqlite3* db = course.rawConnection(course.classFile);
    sqlite3_stmt* s = prepare(db, "SELECT blocked FROM LessonPlans WHERE LPDate = ?1 ORDER BY LessonPlanID");
    qsizetype i = 0;
    bool scheduled = false, blocked = false;
    for (auto _ : state) {
        const QByteArray day = storedDate(days[i++ % days.size()]);
        raw::bind(sqlite3_bind_text, s, 1, day.constData(), int(day.size()), SQLITE_TRANSIENT);
        scheduled = raw::step(s);
        blocked = scheduled && sqlite3_column_int(s, 0) != 0;
        benchmark::DoNotOptimize(scheduled);
        benchmark::DoNotOptimize(blocked);
        raw::reset(s);
    }
    raw::finalize(s);
    raw::close(db);
}

BENCHMARK(LoadPlanProcedure);
BENCHMARK(LoadPlanRaw);
BENCHMARK(IsScheduledProcedure);
BENCHMARK(IsScheduledRaw);

} // namespace

int main(int argc, char** argv) {
    return runPlannerBenchmarks(argc, argv, [](RatioReporter& reporter) {
        for (const std::string pair : {"LoadPlan", "IsScheduled"})
            reporter.printRatio(pair + " procedure / raw", pair + "Procedure", pair + "Raw");
        const RatioReporter::Goal ratio{RatioReporter::Goal::Ratio, 1.5};
        reporter.row("GetLessonPlanForDate", "180 plans", "LoadPlanProcedure", "LoadPlanRaw", ratio);
        reporter.row("IsLessonScheduled", "180 plans", "IsScheduledProcedure", "IsScheduledRaw", ratio);
    });
}
