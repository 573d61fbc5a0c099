// The library trees of a large generated course: a root fill of 2,000 nodes and the first expansion
// of a node with 2,000 children, each row yielding to the message loop, for a resource library and for
// the lesson tree (whose captions read each node's ancestors). Argument 0 fills a tree that is not on
// the screen, which measures the fill; 1 a tree shown as the windows show it, which the message loop lays
// out and repaints whenever it runs.
#include "bench_files.h"
#include "planner/data/course_database.h"
#include "planner/data/library_trees.h"
#include "planner/data/node_font.h"
#include "runtime/dao/engine.h"
#include "runtime/event_loop.h"
#include "runtime/outside/tree/outside_tree.h"
#include "runtime/outside/tree/tree_node.h"
#include "shared/course_settings.h"

#include <QApplication>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

namespace {

constexpr int LevelSize = 2000;

// SAMPLE1 with its chapter library and lesson tree replaced: 2,000 roots that all have children, and
// under the first of them 2,000 more.
class LargeCourse {
public:
    explicit LargeCourse(bool shown) {
        CourseDB = rt::DBEngine::instance().workspace().openDatabase(files_.course);
        const QString numbers =
            QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n "
                           "WHERE i < %1) ")
                .arg(LevelSize - 1);
        CourseDB.execute("DELETE FROM ResLib WHERE Library = 1");
        CourseDB.execute("INSERT INTO ResLib (ResLibID, Library, ParentID, SortOrder, Title, HasChildren) " +
                         numbers + "SELECT 1000 + i, 1, 0, i, 'Chapter ' || i, 1 FROM n");
        CourseDB.execute("INSERT INTO ResLib (ResLibID, Library, ParentID, SortOrder, Title, HasChildren) " +
                         numbers + "SELECT 5000 + i, 1, 1000, i, 'Section ' || i, 1 FROM n");
        CourseDB.execute("DELETE FROM LessonTree");
        CourseDB.execute(
            "INSERT INTO LessonTree (TreeID, ParentID, SortOrder, ItemNumber, Title, HasChildren) " +
            numbers + "SELECT 1 + i, 0, i, i + 1, 'Unit ' || i, 1 FROM n");
        CourseDB.execute(
            "INSERT INTO LessonTree (TreeID, ParentID, SortOrder, ItemNumber, Title, HasChildren) " +
            numbers + "SELECT 5001 + i, 1, i, i + 1, 'Lesson ' || i, 0 FROM n");
        CourseSettings = {};
        CourseSettings.StyleMakeLPAvailableNode = 5;
        BoldNodeFont = {QStringLiteral("MS Sans Serif"), 8, true};
        tree.resize(300, 600);
        if (shown) tree.show();
    }
    ~LargeCourse() { CourseDB.close(); }

    rt::Dispatch& first() const { return *rt::TreeNode::objectOf(tree.view()->topLevelItem(0)).toObject(); }

    rt::QtEventLoop loop;
    rt::OutsideTree tree;

private:
    BenchFiles files_{{}};
};

using RootFill = void (*)(rt::EventLoop&, rt::Dispatch&);

void rootFill(benchmark::State& state, RootFill fill) {
    LargeCourse course(state.range(0) != 0);
    for (auto _ : state) fill(course.loop, course.tree);
    state.counters["nodes"] = double(course.tree.view()->topLevelItemCount());
}

// The node is open when its fill runs, as after the user's click.
void firstExpansion(benchmark::State& state, RootFill roots, RootFill children) {
    LargeCourse course(state.range(0) != 0);
    for (auto _ : state) {
        state.PauseTiming();
        roots(course.loop, course.tree);
        course.tree.view()->topLevelItem(0)->setExpanded(true);
        state.ResumeTiming();
        children(course.loop, course.first());
    }
    state.counters["nodes"] = double(course.tree.view()->topLevelItem(0)->childCount());
}

BENCHMARK_CAPTURE(rootFill, ChapterRoots, FillChapterTreeRoots)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(firstExpansion, ChapterChildren, FillChapterTreeRoots, FillchapterTreeChildren)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(rootFill, LessonRoots, FillLessonTreeRoots)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(firstExpansion, LessonChildren, FillLessonTreeRoots, FillLessonChildren)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
