// The month view's 42 cells of plans formatted with code 28, which reads every node's parent and
// grandparent, on the SAMPLE1 course database.
#include "planner/core/presentation.h"
#include "planner/data/course_database.h"
#include "runtime/dao/engine.h"
#include "shared/course_settings.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

void MonthCellsCode28(benchmark::State& state) {
    CourseDB = rt::DBEngine::instance().workspace().openDatabase(
        QStringLiteral(LK_COURSE_DIR "/SAMPLE1/SAMPLE1.mdb"), false, true);
    CourseSettings = {};
    CourseSettings.UCI = QStringLiteral("WW01");
    CourseSettings.StyleMonthCells = 28;
    CourseSettings.Grouping1 = QStringLiteral("Unit");
    CourseSettings.Grouping2 = QStringLiteral("Chapter");
    CourseSettings.Grouping3 = QStringLiteral("Lesson");

    // Every cell holds a plan of a lesson three levels down.
    const qint32 lessons[] = {12, 13, 14, 16, 17, 32, 33, 34, 52, 53};
    QList<LessonPlanRecord> month;
    for (int cell = 0; cell < 42; ++cell) {
        LessonPlanRecord rec;
        rec.TreeID = lessons[cell % std::size(lessons)];
        rec.Title = QStringLiteral("Plan %1").arg(cell);
        rec.ItemNumber = QString::number(cell % 5 + 1);
        month.append(rec);
    }
    for (auto _ : state) {
        for (const LessonPlanRecord& rec : month) benchmark::DoNotOptimize(FormatMonthCellItem(rec));
    }
    state.counters["per_cell"] =
        benchmark::Counter(42, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    CourseDB.close();
}
BENCHMARK(MonthCellsCode28)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
