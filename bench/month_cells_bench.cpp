// The month view's 42 cells on the large course, with code 28, which reads every plan's node, parent
// and grandparent: the plans already read, formatted (MonthCellsFormat); and each cell's day read and
// its plan formatted (MonthCells), as the month view fills its cells. October 2027 shows the plans of
// 26 September to 6 November: 30 school days, one of them a special day.
#include "planner/core/presentation.h"
#include "planner/core/school_days.h"
#include "planner/data/lesson_plans.h"
#include "planner_bench.h"
#include "runtime/value/date.h"

namespace {

const QDate firstCell(2027, 9, 26); // the Sunday before 1 October 2027

void monthCellsStyle() {
    CourseSettings.UCI = QStringLiteral("LC01");
    CourseSettings.StyleMonthCells = 28;
    CourseSettings.Grouping1 = QStringLiteral("Unit");
    CourseSettings.Grouping2 = QStringLiteral("Chapter");
    CourseSettings.Grouping3 = QStringLiteral("Lesson");
}

// The plan of a cell's day, or a reset record when the day has none.
LessonPlanRecord planOf(int cell) {
    LessonPlanRecord rec;
    ResetLessonRecord(rec);
    GetLessonPlanForDate(rt::daysFromDate(firstCell.addDays(cell)), rec);
    return rec;
}

void MonthCellsFormat(benchmark::State& state) {
    monthCellsStyle();
    QList<LessonPlanRecord> month;
    for (int cell = 0; cell < 42; ++cell) month.append(planOf(cell));
    for (auto _ : state)
        for (const LessonPlanRecord& rec : month) benchmark::DoNotOptimize(FormatMonthCellItem(rec));
}

void MonthCells(benchmark::State& state) {
    monthCellsStyle();
    for (auto _ : state)
        for (int cell = 0; cell < 42; ++cell) benchmark::DoNotOptimize(FormatMonthCellItem(planOf(cell)));
}

BENCHMARK(MonthCellsFormat)->Unit(benchmark::kMillisecond);
BENCHMARK(MonthCells)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runPlannerBenchmarks(argc, argv, [](RatioReporter& reporter) {
        const RatioReporter::Goal frame{RatioReporter::Goal::Milliseconds, 16};
        reporter.row("Month cells: format (code 28)", "42 cells, 30 plans", "MonthCellsFormat", {}, frame);
        reporter.row("Month cells: read and format", "42 cells, 30 plans", "MonthCells", {}, frame);
    });
}
