// The calendar views of the main window on the large course's year of plans: Next Day in the day view (the
// day's plan, its resources and objectives shown), a click on a week cell (the week's five plans in the
// cells) and UpdateMonthViewCells of a full month (31 days, 21 plans laid into the day boxes). Each beside
// raw SQLite reading the same plans; goal 16 ms of the program's own work, which the message loop's yields
// (counted by the platform's double, not run) do not hold.
#include "large_course_window.h"
#include "ratio_reporter.h"
#include "raw_class.h"
#include "raw_sqlite.h"
#include "runtime/com/control.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

// The year's last school day, after which Next Day starts again from its first.
const QDate lastDay(2028, 5, 5);
// A month of 31 days with a plan on every school day (21, one of them a special day).
const QDate fullMonth(2027, 10, 1);

// The large course's class open in the window, shown offscreen so that its controls take clicks.
struct OpenClass : LargeCourseWindow {
    OpenClass() {
        open(course.classFile);
        window->show();
    }
};

void NextDay(benchmark::State& state) {
    OpenClass planner;
    planner.window->ShowDayView();
    const qint32 last = rt::daysFromDate(lastDay);
    for (auto _ : state) {
        QTest::mouseClick(planner.window->cmdNextDay, Qt::LeftButton);
        state.PauseTiming();
        if (CurrentLesson.TreeID == -999) state.SkipWithError("a school day without its plan");
        if (CurrentLesson.LPDate >= last)
            planner.window->ChangeCurrentDate(rt::daysFromDate(LargeCourseWindow::firstDay));
        state.ResumeTiming();
    }
}

void WeekCellClick(benchmark::State& state) {
    OpenClass planner;
    planner.window->ChangeCurrentDate(rt::daysFromDate(fullMonth.addDays(3))); // Monday 4 October
    planner.window->ShowWeekView();
    int cell = 0;
    for (auto _ : state) {
        cell = (cell + 1) % 5;
        QTest::mouseClick(planner.window->cCell[cell], Qt::LeftButton);
    }
    if (planner.window->SelectedCellIndex != cell) state.SkipWithError("the click did not select the cell");
}

void MonthCells(benchmark::State& state) {
    OpenClass planner;
    planner.window->ChangeCurrentDate(rt::daysFromDate(fullMonth));
    planner.window->ShowMonthView();
    for (auto _ : state) planner.window->UpdateMonthViewCells(rt::Value::date(rt::daysFromDate(fullMonth)));
}

QByteArray isoDate(const QDate& d) {
    return d.toString(Qt::ISODate).toLatin1();
}

// Raw: the plans of the dates, each read by its date with every column, as the layer reads a day's plan.
void readPlans(sqlite3* db, const QList<QDate>& days) {
    sqlite3_stmt* s =
        raw::prepare(db, "SELECT LessonPlanID, TreeID, LPDate, Title, ItemNumber, blocked, Objective1, "
                         "Objective2, Objective3, Objective4, Objective5 FROM LessonPlans WHERE LPDate = ?1");
    for (const QDate& d : days) {
        const QByteArray date = isoDate(d);
        raw::bind(sqlite3_bind_text, s, 1, date.constData(), int(date.size()), SQLITE_STATIC);
        while (raw::step(s))
            for (int c = 0; c < sqlite3_column_count(s); ++c)
                benchmark::DoNotOptimize(sqlite3_column_text(s, c));
        raw::reset(s);
    }
    raw::finalize(s);
}

void NextDayRaw(benchmark::State& state) {
    LargeCourse course;
    sqlite3* db = course.rawConnection(course.classFile);
    QDate day = LargeCourseWindow::firstDay;
    for (auto _ : state) {
        day = day.addDays(day.dayOfWeek() == Qt::Friday ? 3 : 1);
        if (day > lastDay) day = LargeCourseWindow::firstDay;
        if (!rawReadDay(db, isoDate(day))) state.SkipWithError("no plan");
    }
    raw::close(db);
}

void WeekCellClickRaw(benchmark::State& state) {
    LargeCourse course;
    sqlite3* db = course.rawConnection(course.classFile);
    const QDate monday = fullMonth.addDays(3);
    QList<QDate> week;
    for (int i = 0; i < 5; ++i) week << monday.addDays(i);
    int cell = 0;
    for (auto _ : state) {
        cell = (cell + 1) % 5;
        readPlans(db, {week[cell]}); // the clicked day's plan
        readPlans(db, week);         // the cells'
    }
    raw::close(db);
}

void MonthCellsRaw(benchmark::State& state) {
    LargeCourse course;
    sqlite3* db = course.rawConnection(course.classFile);
    QList<QDate> month;
    for (int k = 0; k < fullMonth.daysInMonth(); ++k) month << fullMonth.addDays(k);
    for (auto _ : state) readPlans(db, month);
    raw::close(db);
}

BENCHMARK(NextDay)->Unit(benchmark::kMillisecond);
BENCHMARK(NextDayRaw)->Unit(benchmark::kMillisecond);
BENCHMARK(WeekCellClick)->Unit(benchmark::kMillisecond);
BENCHMARK(WeekCellClickRaw)->Unit(benchmark::kMillisecond);
BENCHMARK(MonthCells)->Unit(benchmark::kMillisecond);
BENCHMARK(MonthCellsRaw)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks<QApplication>(argc, argv, [](RatioReporter& reporter) {
        reporter.printRatio("Next Day / raw", "NextDay", "NextDayRaw", "(the day's plan and its resources)");
        reporter.printRatio("week cell click / raw", "WeekCellClick", "WeekCellClickRaw", "(five plans)");
        reporter.printRatio("month cells / raw", "MonthCells", "MonthCellsRaw", "(31 days, 21 plans)");
        const RatioReporter::Goal frame{RatioReporter::Goal::Milliseconds, 16};
        reporter.row("Day view: Next Day", "plan x 10 resources, 180 plans", "NextDay", "NextDayRaw", frame);
        reporter.row("Week view: click a cell", "5 plans, 180 plans", "WeekCellClick", "WeekCellClickRaw",
                     frame);
        reporter.row("UpdateMonthViewCells", "31 days, 21 plans", "MonthCells", "MonthCellsRaw", frame);
    });
}
