// The lesson panel of the main window on a plan of 30 resources of the large course: adding a course resource
// (the write, both grids bound again, the total and the details pane) and moving a row down (the swap, the
// same reload, the moved row found), each beside raw SQLite running the same statements. Goal: each within 16
// ms of the planner's own work.
#include "large_course_window.h"
#include "planner/data/lesson_plans.h"
#include "planner/data/lesson_resources.h"
#include "ratio_reporter.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

// The first school day: lesson 1001 with its resources 1 to 10.
const QDate planDay = LargeCourseWindow::firstDay;
constexpr int planRows = 30;
// A course resource of the plan's course lesson, taken out of the plan so that the browser offers it.
constexpr qint32 addedResource = 10;

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

    void removeAdded() {
        CourseDB.execute(QStringLiteral("DELETE FROM LessonResources WHERE ResourceID=%1 AND LessonPlanID=%2")
                             .arg(addedResource)
                             .arg(CurrentLesson.LessonPlanID));
    }
};

void AddToPlan(benchmark::State& state) {
    PlanOfThirty plan;
    for (auto _ : state) {
        AddResourceToLesson(CurrentLesson.LessonPlanID, addedResource);
        plan.window->LoadLessonResources(CurrentLesson);
        state.PauseTiming();
        plan.removeAdded();
        state.ResumeTiming();
    }
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
    }
    ~RawStatements() {
        for (sqlite3_stmt* s :
             {lessonGrid_, browserGrid_, lessonTime_, resource_, nextSort_, insert_, swapRows_, setSort_})
            sqlite3_finalize(s);
        sqlite3_close(db_);
    }

    void add(qint32 resourceID) {
        sqlite3_bind_int(resource_, 1, resourceID);
        sqlite3_step(resource_);
        sqlite3_step(nextSort_);
        sqlite3_bind_int(insert_, 1, resourceID);
        for (int column = 1; column <= 3; ++column) // TypeID, Title, Duration
            sqlite3_bind_value(insert_, column + 1, sqlite3_column_value(resource_, column));
        sqlite3_bind_value(insert_, 5, sqlite3_column_value(nextSort_, 0));
        sqlite3_bind_value(insert_, 6, sqlite3_column_value(resource_, 4));
        sqlite3_bind_value(insert_, 7, sqlite3_column_value(resource_, 5));
        sqlite3_step(insert_);
        for (sqlite3_stmt* s : {resource_, nextSort_, insert_}) sqlite3_reset(s);
        reload();
    }

    void swap(qint32 a, qint32 b) {
        sqlite3_bind_int(swapRows_, 1, a);
        sqlite3_bind_int(swapRows_, 2, b);
        sqlite3_step(swapRows_);
        const int firstItem = sqlite3_column_int(swapRows_, 0), firstSort = sqlite3_column_int(swapRows_, 1);
        sqlite3_step(swapRows_);
        const int secondItem = sqlite3_column_int(swapRows_, 0),
                  secondSort = sqlite3_column_int(swapRows_, 1);
        sqlite3_reset(swapRows_);
        for (const auto& [item, sort] :
             {std::pair{firstItem, secondSort}, std::pair{secondItem, firstSort}}) {
            sqlite3_bind_int(setSort_, 1, sort);
            sqlite3_bind_int(setSort_, 2, item);
            sqlite3_step(setSort_);
            sqlite3_reset(setSort_);
        }
        reload();
    }

private:
    sqlite3_stmt* prepare(const QByteArray& sql) {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v3(db_, sql.constData(), -1, SQLITE_PREPARE_PERSISTENT, &s, nullptr);
        return s;
    }

    // Both grids' rows and the total, every column read.
    void reload() {
        for (sqlite3_stmt* s : {lessonGrid_, browserGrid_, lessonTime_}) {
            while (sqlite3_step(s) == SQLITE_ROW)
                for (int c = 0; c < sqlite3_column_count(s); ++c)
                    benchmark::DoNotOptimize(sqlite3_column_text(s, c));
            sqlite3_reset(s);
        }
    }

    sqlite3* db_;
    sqlite3_stmt *lessonGrid_, *browserGrid_, *lessonTime_, *resource_, *nextSort_, *insert_, *swapRows_,
        *setSort_;
};

void AddToPlanRaw(benchmark::State& state) {
    PlanOfThirty plan;
    RawStatements raw(plan);
    for (auto _ : state) {
        raw.add(addedResource);
        state.PauseTiming();
        plan.removeAdded();
        state.ResumeTiming();
    }
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

BENCHMARK(AddToPlan)->Unit(benchmark::kMillisecond);
BENCHMARK(AddToPlanRaw)->Unit(benchmark::kMillisecond);
BENCHMARK(MoveRowDown)->Unit(benchmark::kMillisecond);
BENCHMARK(MoveRowDownRaw)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return runBenchmarks<QApplication>(argc, argv, [](RatioReporter& reporter) {
        reporter.printRatio("add to a plan of 30 / raw", "AddToPlan", "AddToPlanRaw",
                            "(the write, both grids bound again, total and details)");
        reporter.printRatio("move a row down / raw", "MoveRowDown", "MoveRowDownRaw",
                            "(the swap, the same reload, the row found)");
        const RatioReporter::Goal frame{RatioReporter::Goal::Milliseconds, 16};
        reporter.row("Lesson panel: add a resource", "plan of 30 rows", "AddToPlan", "AddToPlanRaw", frame);
        reporter.row("Lesson panel: move a row down", "plan of 30 rows", "MoveRowDown", "MoveRowDownRaw",
                     frame);
    });
}
