// The lesson panel of the main window on a plan of 30 resources of the large course: adding a course resource
// (the write, both grids bound again, the total and the details pane) and moving a row down (the swap, the
// same reload, the moved row found), each beside raw SQLite running the same statements. Goal: each within 16
// ms of the planner's own work. The resource browser on the same plan: selecting a lesson of the chapter
// library (its button rules) and dropping a lesson of the library on the plan, against the same look-up
// and statements on raw SQLite.
#include "large_course_window.h"
#include "planner/data/lesson_plans.h"
#include "planner/data/lesson_resources.h"
#include "planner/data/library_trees.h"
#include "ratio_reporter.h"
#include "raw_sqlite.h"
#include "runtime/outside/tree/outside_tree.h"
#include "runtime/outside/tree/tree_ids.h"

#include <QApplication>
#include <QPushButton>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

namespace {

// The first school day: lesson 1001 with its resources 1 to 10.
const QDate planDay = LargeCourseWindow::firstDay;
constexpr int planRows = 30;
// A course resource of the plan's course lesson, taken out of the plan so that the browser offers it.
constexpr qint32 addedResource = 10;
// The chapter library's nodes of the plan's lesson and of the next one, whose first resource is not in
// the plan.
constexpr qint32 firstLessonNode = 1001, droppedNode = 1002, droppedResource = 11;

// The plan of the day holds nine of its lesson's resources and 21 of the teacher's own; the window
// shows it.
class PlanOfThirty : public LargeCourseWindow {
public:
    PlanOfThirty() {
        open(course.classFile);
        GetLessonPlanForDate(rt::daysFromDate(planDay), CurrentLesson);
        removeAdded();
        for (int i = LargeCourse::ResourcesPerPlan; i <= planRows; ++i)
            AddNewResource(CurrentLesson.LessonPlanID, QStringLiteral("Resource %1").arg(i), 0, qint16(i),
                           QStringLiteral("What resource %1 is for.").arg(i));
        window->LoadLessonResources(CurrentLesson);
    }

    // The LessonItemIDs of two neighbouring rows in the middle of the plan.
    std::pair<qint32, qint32> middleRows() const {
        rt::Recordset rs = CourseDB.openSql(
            QStringLiteral(
                "SELECT LessonItemID FROM LessonResources WHERE LessonPlanID=%1 ORDER BY SortOrder")
                .arg(CurrentLesson.LessonPlanID));
        for (int i = 0; i < planRows / 2; ++i) rs.moveNext();
        const qint32 a = rs.field(0).toInt32();
        rs.moveNext();
        return {a, rs.field(0).toInt32()};
    }

    void removeAdded(qint32 resourceID = addedResource) {
        CourseDB.execute(QStringLiteral("DELETE FROM LessonResources WHERE ResourceID=%1 AND LessonPlanID=%2")
                             .arg(resourceID)
                             .arg(CurrentLesson.LessonPlanID));
    }

    // The chapter library filled down to the lessons of its first chapter, the first lesson selected: the
    // node object of that lesson.
    rt::Dispatch& selectFirstLesson() {
        FillChapterTreeRoots(loop, *window->pvChapter);
        QTreeWidgetItem* lesson = window->pvChapter->view()->topLevelItem(0);
        for (int level = 0; level < 2; ++level) {
            lesson->setExpanded(true);
            lesson = lesson->child(0);
        }
        window->pvChapter->view()->setCurrentItem(lesson);
        rt::Dispatch& root = *rt::get(*window->pvChapter, rt::pvTreeId::Root).toObject();
        return *rt::call(root, rt::pvNodeId::Relative,
                         {rt::Value::longInt(rt::pvRelation::Selected), rt::Value::integer(0)})
                    .toObject();
    }
};

// Runs `step` once an iteration; the resource it adds leaves the plan again outside the timing.
template <typename Step>
void eachAdding(benchmark::State& state, PlanOfThirty& plan, qint32 resourceID, Step step) {
    for (auto _ : state) {
        step();
        state.PauseTiming();
        plan.removeAdded(resourceID);
        state.ResumeTiming();
    }
}

void AddToPlan(benchmark::State& state) {
    PlanOfThirty plan;
    eachAdding(state, plan, addedResource, [&] {
        AddResourceToLesson(CurrentLesson.LessonPlanID, addedResource);
        plan.window->LoadLessonResources(CurrentLesson);
    });
}

void MoveRowDown(benchmark::State& state) {
    PlanOfThirty plan;
    auto [a, b] = plan.middleRows();
    for (auto _ : state) {
        SwapResourceSort(a, b, CurrentLesson.LessonPlanID);
        plan.window->LoadLessonResources(CurrentLesson);
        plan.window->datResources.findFirst("LessonItemID", rt::Value::longInt(a));
        std::swap(a, b); // the row below moves down next
    }
}

// The branch's button rules as the tree's selection event runs them.
void SelectBranch(benchmark::State& state) {
    PlanOfThirty plan;
    rt::Dispatch& lesson = plan.selectFirstLesson();
    // A failed look-up is passed over by the event: the rules must have found the lesson's resource.
    plan.window->cmdDescription->setEnabled(false);
    rt::Args first{rt::Value::object(&lesson)};
    emit plan.window->pvChapter->raised(rt::pvTreeEvent::AfterSelChange, first);
    if (!plan.window->cmdDescription->isEnabledTo(plan.window->picDayView) ||
        !plan.window->cmdLeft->isEnabledTo(plan.window->picDayView))
        state.SkipWithError("the lesson's buttons were not set");
    for (auto _ : state) {
        rt::Args args{rt::Value::object(&lesson)};
        emit plan.window->pvChapter->raised(rt::pvTreeEvent::AfterSelChange, args);
    }
}

// A lesson of the library dropped on the plan: its first resource added, the grids bound again.
void DropBranch(benchmark::State& state) {
    PlanOfThirty plan;
    plan.window->DragItemID = droppedNode;
    eachAdding(state, plan, droppedResource,
               [&] { emit plan.window->dbgResources->dragDrop(QStringLiteral("pvChapter")); });
}

// The same statements on one raw connection: each prepared once, run and read to the end.
class RawStatements {
public:
    explicit RawStatements(const PlanOfThirty& plan) : db_(plan.course.rawConnection(plan.course.classFile)) {
        const QByteArray id = QByteArray::number(CurrentLesson.LessonPlanID);
        const QByteArray tree = QByteArray::number(CurrentLesson.TreeID);
        lessonGrid_ =
            prepare("SELECT ResourceID, Title, Duration, Header, SortOrder, Descript, LessonItemID FROM "
                    "LessonResources WHERE LessonPlanID=" +
                    id + " ORDER BY SortOrder");
        browserGrid_ =
            prepare("SELECT ResourceID, Title, Duration, Header FROM Resources WHERE (TreeID=" + tree +
                    ") AND (ResourceID NOT IN (SELECT ResourceID FROM LessonResources WHERE "
                    "LessonPlanID=" +
                    id + ")) ORDER BY SortOrder");
        lessonTime_ =
            prepare("SELECT LessonPlanID, SUM(CASE WHEN COALESCE(Header, 0) = 0 AND Duration > 0 THEN "
                    "Duration ELSE 0 END) AS SumOfDuration FROM LessonResources WHERE LessonPlanID = " +
                    id + " GROUP BY LessonPlanID");
        resource_ =
            prepare("SELECT ResourceID, TypeID, Title, Duration, Descript, Header FROM Resources WHERE "
                    "ResourceID = ?1");
        nextSort_ =
            prepare("SELECT MAX(SortOrder) + 1 AS NextSO FROM LessonResources WHERE LessonPlanID = " + id);
        insert_ = prepare("INSERT INTO LessonResources (LessonPlanID, ResourceID, TypeID, Title, Duration, "
                          "SortOrder, Descript, Header) VALUES (" +
                          id + ", ?1, ?2, ?3, ?4, ?5, ?6, ?7)");
        swapRows_ =
            prepare("SELECT LessonItemID, SortOrder FROM LessonResources WHERE LessonItemID IN (?1, ?2) AND "
                    "LessonPlanID = " +
                    id + " ORDER BY SortOrder, LessonItemID");
        setSort_ = prepare("UPDATE LessonResources SET SortOrder = ?1 WHERE LessonItemID = ?2");
        const char* nodeResources = "SELECT %1r.ResourceID FROM ResLibItems i JOIN ResLib n ON n.ResLibID = "
                                    "i.ResLibID AND n.Library = 1 JOIN Resources r ON r.ResourceID = "
                                    "i.ResourceID WHERE i.ResLibID = ?1 ORDER BY i.SortOrder, r.ResourceID";
        hasResources_ = prepare(QString::fromLatin1(nodeResources)
                                    .arg("CASE WHEN TRIM(COALESCE(r.PDFFile, '')) <> '' THEN 1 ELSE 0 END "
                                         "AS HasPDF, ")
                                    .toUtf8());
        chapterResource_ = prepare(QString::fromLatin1(nodeResources).arg(QString()).toUtf8());
    }
    ~RawStatements() {
        for (sqlite3_stmt* s : {lessonGrid_, browserGrid_, lessonTime_, resource_, nextSort_, insert_,
                                swapRows_, setSort_, hasResources_, chapterResource_})
            raw::finalize(s);
        raw::close(db_);
    }

    void add(qint32 resourceID) {
        raw::bind(sqlite3_bind_int, resource_, 1, resourceID);
        raw::step(resource_);
        raw::step(nextSort_);
        raw::bind(sqlite3_bind_int, insert_, 1, resourceID);
        for (int column = 1; column <= 3; ++column) // TypeID, Title, Duration
            raw::bind(sqlite3_bind_value, insert_, column + 1, sqlite3_column_value(resource_, column));
        raw::bind(sqlite3_bind_value, insert_, 5, sqlite3_column_value(nextSort_, 0));
        raw::bind(sqlite3_bind_value, insert_, 6, sqlite3_column_value(resource_, 4));
        raw::bind(sqlite3_bind_value, insert_, 7, sqlite3_column_value(resource_, 5));
        raw::step(insert_);
        for (sqlite3_stmt* s : {resource_, nextSort_, insert_}) raw::reset(s);
        reload();
    }

    void swap(qint32 a, qint32 b) {
        raw::bind(sqlite3_bind_int, swapRows_, 1, a);
        raw::bind(sqlite3_bind_int, swapRows_, 2, b);
        raw::step(swapRows_);
        const int firstItem = sqlite3_column_int(swapRows_, 0), firstSort = sqlite3_column_int(swapRows_, 1);
        raw::step(swapRows_);
        const int secondItem = sqlite3_column_int(swapRows_, 0),
                  secondSort = sqlite3_column_int(swapRows_, 1);
        raw::reset(swapRows_);
        for (const auto& [item, sort] :
             {std::pair{firstItem, secondSort}, std::pair{secondItem, firstSort}}) {
            raw::bind(sqlite3_bind_int, setSort_, 1, sort);
            raw::bind(sqlite3_bind_int, setSort_, 2, item);
            raw::step(setSort_);
            raw::reset(setSort_);
        }
        reload();
    }

    // The node's first resource and whether it has a document.
    void select(qint32 node) {
        raw::bind(sqlite3_bind_int, hasResources_, 1, node);
        raw::step(hasResources_);
        benchmark::DoNotOptimize(sqlite3_column_int(hasResources_, 0));
        benchmark::DoNotOptimize(sqlite3_column_int(hasResources_, 1));
        raw::reset(hasResources_);
    }

    void drop(qint32 node) {
        raw::bind(sqlite3_bind_int, chapterResource_, 1, node);
        raw::step(chapterResource_);
        const qint32 resourceID = sqlite3_column_int(chapterResource_, 0);
        raw::reset(chapterResource_);
        add(resourceID);
    }

private:
    sqlite3_stmt* prepare(const QByteArray& sql) {
        sqlite3_stmt* s = raw::prepare(db_, sql.constData(), SQLITE_PREPARE_PERSISTENT);
        return s;
    }

    // Both grids' rows and the total, every column read.
    void reload() {
        for (sqlite3_stmt* s : {lessonGrid_, browserGrid_, lessonTime_}) {
            while (raw::step(s))
                for (int c = 0; c < sqlite3_column_count(s); ++c)
                    benchmark::DoNotOptimize(sqlite3_column_text(s, c));
            raw::reset(s);
        }
    }

    sqlite3* db_;
    sqlite3_stmt *lessonGrid_, *browserGrid_, *lessonTime_, *resource_, *nextSort_, *insert_, *swapRows_,
        *setSort_, *hasResources_, *chapterResource_;
};

void AddToPlanRaw(benchmark::State& state) {
    PlanOfThirty plan;
    RawStatements raw(plan);
    eachAdding(state, plan, addedResource, [&] { raw.add(addedResource); });
}

void MoveRowDownRaw(benchmark::State& state) {
    PlanOfThirty plan;
    RawStatements raw(plan);
    auto [a, b] = plan.middleRows();
    for (auto _ : state) {
        raw.swap(a, b);
        std::swap(a, b);
    }
}

void SelectBranchRaw(benchmark::State& state) {
    PlanOfThirty plan;
    RawStatements raw(plan);
    for (auto _ : state) raw.select(firstLessonNode);
}

void DropBranchRaw(benchmark::State& state) {
    PlanOfThirty plan;
    RawStatements raw(plan);
    eachAdding(state, plan, droppedResource, [&] { raw.drop(droppedNode); });
}

BENCHMARK(AddToPlan)->Unit(benchmark::kMillisecond);
BENCHMARK(AddToPlanRaw)->Unit(benchmark::kMillisecond);
BENCHMARK(MoveRowDown)->Unit(benchmark::kMillisecond);
BENCHMARK(MoveRowDownRaw)->Unit(benchmark::kMillisecond);
BENCHMARK(SelectBranch)->Unit(benchmark::kMillisecond);
BENCHMARK(SelectBranchRaw)->Unit(benchmark::kMillisecond);
BENCHMARK(DropBranch)->Unit(benchmark::kMillisecond);
BENCHMARK(DropBranchRaw)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks<QApplication>(argc, argv, [](RatioReporter& reporter) {
        reporter.printRatio("add to a plan of 30 / raw", "AddToPlan", "AddToPlanRaw",
                            "(the write, both grids bound again, total and details)");
        reporter.printRatio("move a row down / raw", "MoveRowDown", "MoveRowDownRaw",
                            "(the swap, the same reload, the row found)");
        const RatioReporter::Goal frame{RatioReporter::Goal::Milliseconds, 16};
        reporter.row("Lesson panel: add a resource", "plan of 30 rows", "AddToPlan", "AddToPlanRaw", frame);
        reporter.row("Lesson panel: move a row down", "plan of 30 rows", "MoveRowDown", "MoveRowDownRaw",
                     frame);
        reporter.printRatio("select a branch / raw", "SelectBranch", "SelectBranchRaw",
                            "(the node's first resource, the leaf test, the buttons)");
        reporter.printRatio("drop a branch / raw", "DropBranch", "DropBranchRaw",
                            "(the look-up, the write, both grids bound again)");
        reporter.row("Resource browser: select a branch", "a lesson leaf", "SelectBranch", "SelectBranchRaw",
                     frame);
        reporter.row("Resource browser: drop a branch", "plan of 30 rows", "DropBranch", "DropBranchRaw",
                     frame);
    });
}
