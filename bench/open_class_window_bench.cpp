// Opening a class of the large course through the main window, as File > Open does (OpenClassFile: the
// attach, the libraries' roots, the day view of today's plan with its resources), beside raw SQLite
// attaching the same file and reading the same rows. Goal: under 50 ms.
#include "large_course_window.h"
#include "ratio_reporter.h"
#include "raw_class.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

void OpenClassWindow(benchmark::State& state) {
    LargeCourseWindow planner;
    planner.window->show();
    for (auto _ : state) {
        planner.open(planner.course.classFile);
        state.PauseTiming();
        if (ClassFilePath != planner.course.classFile) state.SkipWithError("not opened");
        CloseClass(planner.planner);
        state.ResumeTiming();
    }
}

void OpenClassWindowRaw(benchmark::State& state) {
    LargeCourseWindow planner;
    const QByteArray today = LargeCourseWindow::firstDay.toString(Qt::ISODate).toLatin1();
    for (auto _ : state) {
        sqlite3* db = rawAttach(planner.course);
        readRows(db,
                 "SELECT Title, ResLibID, HasChildren FROM ResLib WHERE Library = ?1 AND ParentID = 0 "
                 "ORDER BY SortOrder",
                 1);
        readRows(db,
                 "SELECT Title, ResLibID, HasChildren FROM ResLib WHERE Library = ?1 AND ParentID = 0 "
                 "ORDER BY SortOrder",
                 2);
        if (!rawReadDay(db, today)) state.SkipWithError("no plan");
        state.PauseTiming();
        rawDetach(db);
        state.ResumeTiming();
    }
}

BENCHMARK(OpenClassWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenClassWindowRaw)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks<QApplication>(argc, argv, [](RatioReporter& reporter) {
        reporter.printRatio("OpenClassFile / raw", "OpenClassWindow", "OpenClassWindowRaw",
                            "(attach, library roots, today's plan and its resources)");
        reporter.row("OpenClassFile through the window", "large course, 180 plans", "OpenClassWindow",
                     "OpenClassWindowRaw", {RatioReporter::Goal::Milliseconds, 50});
    });
}
