// The library trees of the large course, each row yielding to the message loop: the root fills (11
// nodes), the first expansion of the lesson bank (a flat level of 2,000 nodes) and of a chapter (20
// lessons), for the chapter library and for the lesson tree, whose captions read each node and its
// ancestors. Argument 0 fills a tree that is not on the screen, which measures the fill; 1 a tree shown
// as the windows show it, which the message loop lays out and repaints whenever it runs. The chapter
// library, whose captions are the rows' titles, is the floor the lesson tree is held beside.
#include "large_course.h"
#include "planner/data/course_database.h"
#include "planner/data/library_trees.h"
#include "planner/data/node_font.h"
#include "ratio_reporter.h"
#include "runtime/dao/engine.h"
#include "runtime/event_loop.h"
#include "runtime/outside/tree/outside_tree.h"
#include "runtime/outside/tree/tree_node.h"
#include "shared/course_settings.h"

#include <QApplication>
#include <QTreeWidget>
#include <vector>

namespace {

// The large course open as the planner's course, and a tree to fill.
class Trees {
public:
    explicit Trees(bool shown) {
        CourseDB = rt::DBEngine::instance().workspace().openDatabase(course().database);
        CourseSettings = {};
        CourseSettings.StyleMakeLPAvailableNode = 5;
        BoldNodeFont = {QStringLiteral("MS Sans Serif"), 8, true};
        tree.resize(300, 600);
        if (shown) tree.show();
    }
    ~Trees() { CourseDB.close(); }

    static LargeCourse& course() {
        static LargeCourse c;
        return c;
    }

    rt::QtEventLoop loop;
    rt::OutsideTree tree;
};

using Fill = void (*)(rt::EventLoop&, rt::Dispatch&);

rt::Dispatch& nodeOf(QTreeWidgetItem* item) {
    return *rt::TreeNode::objectOf(item).toObject();
}

void rootFill(benchmark::State& state, Fill fill) {
    Trees trees(state.range(0) != 0);
    for (auto _ : state) fill(trees.loop, trees.tree);
    state.counters["nodes"] = double(trees.tree.view()->topLevelItemCount());
}

// The node reached by `path` (a top-level index, then child indices, each level filled and open on the
// way) is expanded; it is open when its fill runs, as after the user's click.
void firstExpansion(benchmark::State& state, Fill roots, Fill children, std::vector<int> path) {
    Trees trees(state.range(0) != 0);
    QTreeWidgetItem* node = nullptr;
    for (auto _ : state) {
        state.PauseTiming();
        roots(trees.loop, trees.tree);
        node = trees.tree.view()->topLevelItem(path[0]);
        for (size_t i = 1; i < path.size(); ++i) {
            children(trees.loop, nodeOf(node));
            node->setExpanded(true);
            node = node->child(path[i]);
        }
        node->setExpanded(true);
        state.ResumeTiming();
        children(trees.loop, nodeOf(node));
    }
    state.counters["nodes"] = double(node->childCount());
}

const std::vector<int> bank{10}, firstChapter{0, 0};

BENCHMARK_CAPTURE(rootFill, ChapterRoots, FillChapterTreeRoots)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(firstExpansion, ChapterBank, FillChapterTreeRoots, FillchapterTreeChildren, bank)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(firstExpansion, ChapterChapter, FillChapterTreeRoots, FillchapterTreeChildren, firstChapter)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(rootFill, LessonRoots, FillLessonTreeRoots)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(firstExpansion, LessonBank, FillLessonTreeRoots, FillLessonChildren, bank)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(firstExpansion, LessonChapter, FillLessonTreeRoots, FillLessonChildren, firstChapter)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks<QApplication>(argc, argv, [](RatioReporter& reporter) {
        using Goal = RatioReporter::Goal;
        const Goal level{Goal::Milliseconds, 50}, typical{Goal::Milliseconds, 2};
        for (const auto& [arg, how] : {std::pair{"/0", " hidden"}, std::pair{"/1", " shown"}}) {
            const std::string a = arg, h = how;
            reporter.row("Lesson tree: expand the bank" + h, "2,000 nodes", "firstExpansion/LessonBank" + a,
                         "firstExpansion/ChapterBank" + a, level);
            reporter.row("Lesson tree: expand a chapter" + h, "20 nodes", "firstExpansion/LessonChapter" + a,
                         "firstExpansion/ChapterChapter" + a, typical);
            reporter.row("Lesson tree: root fill" + h, "11 nodes", "rootFill/LessonRoots" + a,
                         "rootFill/ChapterRoots" + a, typical);
            reporter.row("Chapter library: expand the bank" + h, "2,000 nodes",
                         "firstExpansion/ChapterBank" + a, {}, level);
        }
    });
}
