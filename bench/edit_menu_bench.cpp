// The Edit menu's lesson commands in the main window on the large course's class, each through its menu
// item with the view refreshed after it: Copy Lesson Plan of a plan with ten resources, Paste Lesson Plan
// onto a free day, Paste "insert" at the first day of the school year (every later plan moves one school
// day on) and Cut with pull back there (every later plan moves one school day back). Each beside raw SQLite
// reading or writing the same rows in one transaction; the goals are 16 ms for Copy and the free paste,
// 50 ms for the insert and the cut.
#include "large_course_window.h"
#include "planner/core/planner.h"
#include "planner/data/lesson_plans.h"
#include "ratio_reporter.h"
#include "raw_sqlite.h"
#include "runtime/value/date.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// The Monday after the last plan.
const QDate freeDay(2028, 5, 8);
// The first school day, a Monday: lesson 1001 with ten resources.
const QDate firstDay = LargeCourseWindow::firstDay;

qint32 days(const QDate& d) {
    return rt::daysFromDate(d);
}

// The large course's class opened in the main window as the planner opens it; the first day's plan on the
// lesson clipboard.
class ClassWindow : public LargeCourseWindow {
public:
    ClassWindow() {
        open(course.classFile);
        on(firstDay);
        window->mnuEditCopyLesson->trigger();
        if (LessonClipboard.Resources.size() != LargeCourse::ResourcesPerPlan)
            throw std::runtime_error("the first day's plan was not copied whole");
    }
    ~ClassWindow() { ResetLessonState(); }

    void on(const QDate& d) { window->ChangeCurrentDate(days(d)); }

    // Whether the day holds a plan.
    static bool planned(const QDate& d) {
        LessonPlanRecord plan;
        return GetLessonPlanForDate(days(d), plan);
    }
    // The year as the class file holds it: the first day's lesson first, nothing on the free day.
    static bool yearAsBuilt() {
        LessonPlanRecord plan;
        return GetLessonPlanForDate(days(firstDay), plan) && plan.TreeID == 1001 && !planned(freeDay);
    }

    // Paste "insert" at the first day, or Cut with pull back there.
    void pasteInsert() {
        on(firstDay);
        dialogs.moveDayResults = {1};
        window->mnuEditPasteLesson->trigger();
    }
    void cutPullingBack() {
        on(firstDay);
        dialogs.deleteLessonResults = {2};
        window->mnuEditCutLesson->trigger();
    }
};

void CopyLesson(benchmark::State& state) {
    ClassWindow w;
    w.on(firstDay);
    for (auto _ : state) w.window->mnuEditCopyLesson->trigger();
}

void PasteOnFreeDay(benchmark::State& state) {
    ClassWindow w;
    for (auto _ : state) {
        state.PauseTiming();
        w.on(freeDay);
        state.ResumeTiming();
        w.window->mnuEditPasteLesson->trigger();
        state.PauseTiming();
        if (!w.planned(freeDay)) state.SkipWithError("nothing was pasted");
        DeleteLessonPlan(CurrentLesson.LessonPlanID);
        state.ResumeTiming();
    }
    if (!w.yearAsBuilt()) state.SkipWithError("the year was not restored");
}

void PasteInsert(benchmark::State& state) {
    ClassWindow w;
    for (auto _ : state) {
        state.PauseTiming();
        w.on(firstDay);
        state.ResumeTiming();
        w.pasteInsert();
        state.PauseTiming();
        if (!w.planned(freeDay)) state.SkipWithError("the year did not move on");
        w.cutPullingBack();
        state.ResumeTiming();
    }
    if (!w.yearAsBuilt()) state.SkipWithError("the year was not restored");
}

void CutPullingBack(benchmark::State& state) {
    ClassWindow w;
    for (auto _ : state) {
        state.PauseTiming();
        w.on(firstDay);
        state.ResumeTiming();
        w.cutPullingBack();
        state.PauseTiming();
        if (w.yearAsBuilt()) state.SkipWithError("nothing was cut");
        w.pasteInsert();
        state.ResumeTiming();
    }
    if (!w.yearAsBuilt()) state.SkipWithError("the year was not restored");
}

// The same rows on a raw connection to the class: statements prepared once, each command's writes in one
// transaction, the class's tables restored from copies between iterations.
class RawLessonCommands {
public:
    struct Plan {
        int id;
        std::string date;
        bool special;
    };

    explicit RawLessonCommands(const ClassWindow& w) : db_(w.course.rawConnection(w.course.classFile)) {
        exec("CREATE TEMP TABLE keptPlans AS SELECT * FROM class.LessonPlans");
        exec("CREATE TEMP TABLE keptResources AS SELECT * FROM class.LessonResources");
        sqlite3_stmt* s =
            prepare("SELECT LessonPlanID, LPDate, TreeID FROM class.LessonPlans ORDER BY LPDate");
        while (raw::step(s))
            plans_.push_back({sqlite3_column_int(s, 0),
                              reinterpret_cast<const char*>(sqlite3_column_text(s, 1)),
                              sqlite3_column_int(s, 2) == -666});
        raw::finalize(s);
        planByDate_ = prepare("SELECT LessonPlanID, TreeID, LPDate, Title, ItemNumber, blocked, Objective1, "
                              "Objective2, Objective3, Objective4, Objective5 FROM class.LessonPlans WHERE "
                              "LPDate = ?1 ORDER BY LessonPlanID");
        resources_ = prepare("SELECT ResourceID, TypeID, Title, Duration, SortOrder, Descript, Header FROM "
                             "class.LessonResources WHERE LessonPlanID = ?1 ORDER BY SortOrder");
        insertPlan_ =
            prepare("INSERT INTO class.LessonPlans (TreeID, LPDate, Title, ItemNumber, blocked, "
                    "Objective1, Objective2, Objective3, Objective4, Objective5) SELECT TreeID, ?2, "
                    "Title, ItemNumber, blocked, Objective1, Objective2, Objective3, Objective4, "
                    "Objective5 FROM keptPlans WHERE LessonPlanID = ?1");
        insertResource_ =
            prepare("INSERT INTO class.LessonResources (LessonPlanID, ResourceID, TypeID, Title, "
                    "Duration, SortOrder, Descript, Header) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
        setDate_ = prepare("UPDATE class.LessonPlans SET LPDate = ?1 WHERE LessonPlanID = ?2");
        deleteResources_ = prepare("DELETE FROM class.LessonResources WHERE LessonPlanID = ?1");
        deletePlan_ = prepare("DELETE FROM class.LessonPlans WHERE LessonPlanID = ?1");
        copy(); // the first day's plan, as the lesson clipboard holds it
    }
    ~RawLessonCommands() {
        for (sqlite3_stmt* s :
             {planByDate_, resources_, insertPlan_, insertResource_, setDate_, deleteResources_, deletePlan_})
            raw::finalize(s);
        raw::close(db_);
    }

    // The first day's plan and its resources read whole.
    void copy() {
        raw::bind(sqlite3_bind_text, planByDate_, 1, first().date.c_str(), -1, SQLITE_TRANSIENT);
        raw::step(planByDate_);
        for (int c = 0; c < sqlite3_column_count(planByDate_); ++c)
            benchmark::DoNotOptimize(sqlite3_column_text(planByDate_, c));
        raw::reset(planByDate_);
        clipboard_.clear();
        raw::bind(sqlite3_bind_int, resources_, 1, first().id);
        while (raw::step(resources_)) {
            std::vector<std::string> row;
            for (int c = 0; c < sqlite3_column_count(resources_); ++c) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(resources_, c));
                row.emplace_back(text ? text : "");
            }
            clipboard_.push_back(std::move(row));
        }
        raw::reset(resources_);
    }

    // The copied plan and its resources added on `date`, after the given date writes.
    void paste(const std::string& date, const std::vector<std::pair<int, std::string>>& moves = {}) {
        exec("BEGIN");
        writeDates(moves);
        raw::bind(sqlite3_bind_int, insertPlan_, 1, first().id);
        raw::bind(sqlite3_bind_text, insertPlan_, 2, date.c_str(), -1, SQLITE_TRANSIENT);
        step(insertPlan_);
        const int plan = int(sqlite3_last_insert_rowid(db_));
        for (const std::vector<std::string>& r : clipboard_) {
            raw::bind(sqlite3_bind_int, insertResource_, 1, plan);
            for (int c = 0; c < int(r.size()); ++c)
                raw::bind(sqlite3_bind_text, insertResource_, c + 2, r[size_t(c)].c_str(), -1, SQLITE_STATIC);
            step(insertResource_);
        }
        exec("COMMIT");
    }

    // The first day's plan and its resources deleted, every later plan moved back one school day.
    void cut() {
        exec("BEGIN");
        for (sqlite3_stmt* s : {deleteResources_, deletePlan_}) {
            raw::bind(sqlite3_bind_int, s, 1, first().id);
            step(s);
        }
        writeDates(pullMoves());
        exec("COMMIT");
    }

    // Every lesson plan of the year moved to the next school day that holds no special day; the last one
    // to the free day.
    std::vector<std::pair<int, std::string>> pushMoves() const {
        const std::vector<const Plan*> lessons = lessonPlans();
        std::vector<std::pair<int, std::string>> moves;
        for (size_t i = 0; i < lessons.size(); ++i)
            moves.emplace_back(lessons[i]->id, i + 1 < lessons.size() ? lessons[i + 1]->date : "2028-05-08");
        return moves;
    }

    void restore() {
        exec("BEGIN");
        exec("DELETE FROM class.LessonResources");
        exec("DELETE FROM class.LessonPlans");
        exec("INSERT INTO class.LessonPlans SELECT * FROM keptPlans");
        exec("INSERT INTO class.LessonResources SELECT * FROM keptResources");
        exec("COMMIT");
    }

private:
    const Plan& first() const { return plans_.front(); }

    std::vector<const Plan*> lessonPlans() const {
        std::vector<const Plan*> lessons;
        for (const Plan& p : plans_)
            if (!p.special) lessons.push_back(&p);
        return lessons;
    }

    // After the first plan's deletion, each later lesson plan takes the date of the one before it.
    std::vector<std::pair<int, std::string>> pullMoves() const {
        const std::vector<const Plan*> lessons = lessonPlans();
        std::vector<std::pair<int, std::string>> moves;
        for (size_t i = 1; i < lessons.size(); ++i) moves.emplace_back(lessons[i]->id, lessons[i - 1]->date);
        return moves;
    }

    void writeDates(const std::vector<std::pair<int, std::string>>& moves) {
        for (const auto& [id, date] : moves) {
            raw::bind(sqlite3_bind_text, setDate_, 1, date.c_str(), int(date.size()), SQLITE_STATIC);
            raw::bind(sqlite3_bind_int, setDate_, 2, id);
            step(setDate_);
        }
    }

    void exec(const char* sql) { raw::exec(db_, sql); }
    sqlite3_stmt* prepare(const char* sql) {
        sqlite3_stmt* s = raw::prepare(db_, sql, SQLITE_PREPARE_PERSISTENT);
        return s;
    }
    static void step(sqlite3_stmt* s) {
        raw::step(s);
        raw::reset(s);
    }

    sqlite3* db_;
    std::vector<Plan> plans_;
    std::vector<std::vector<std::string>> clipboard_;
    sqlite3_stmt *planByDate_, *resources_, *insertPlan_, *insertResource_, *setDate_, *deleteResources_,
        *deletePlan_;
};

void CopyLessonRaw(benchmark::State& state) {
    ClassWindow w;
    RawLessonCommands raw(w);
    for (auto _ : state) raw.copy();
}

void PasteOnFreeDayRaw(benchmark::State& state) {
    ClassWindow w;
    RawLessonCommands raw(w);
    for (auto _ : state) {
        raw.paste("2028-05-08");
        state.PauseTiming();
        raw.restore();
        state.ResumeTiming();
    }
}

void PasteInsertRaw(benchmark::State& state) {
    ClassWindow w;
    RawLessonCommands raw(w);
    const auto moves = raw.pushMoves();
    for (auto _ : state) {
        raw.paste("2027-08-30", moves);
        state.PauseTiming();
        raw.restore();
        state.ResumeTiming();
    }
}

void CutPullingBackRaw(benchmark::State& state) {
    ClassWindow w;
    RawLessonCommands raw(w);
    for (auto _ : state) {
        raw.cut();
        state.PauseTiming();
        raw.restore();
        state.ResumeTiming();
    }
}

BENCHMARK(CopyLesson)->Unit(benchmark::kMillisecond);
BENCHMARK(CopyLessonRaw)->Unit(benchmark::kMillisecond);
BENCHMARK(PasteOnFreeDay)->Unit(benchmark::kMillisecond);
BENCHMARK(PasteOnFreeDayRaw)->Unit(benchmark::kMillisecond);
BENCHMARK(PasteInsert)->Unit(benchmark::kMillisecond);
BENCHMARK(PasteInsertRaw)->Unit(benchmark::kMillisecond);
BENCHMARK(CutPullingBack)->Unit(benchmark::kMillisecond);
BENCHMARK(CutPullingBackRaw)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks<QApplication>(argc, argv, [](RatioReporter& reporter) {
        for (const std::string op : {"CopyLesson", "PasteOnFreeDay", "PasteInsert", "CutPullingBack"})
            reporter.printRatio(op + " / raw", op, op + "Raw");
        const RatioReporter::Goal frame{RatioReporter::Goal::Milliseconds, 16};
        const RatioReporter::Goal year{RatioReporter::Goal::Milliseconds, 50};
        reporter.row("Edit: Copy Lesson Plan", "plan of 10 resources", "CopyLesson", "CopyLessonRaw", frame);
        reporter.row("Edit: Paste Lesson Plan on a free day", "plan of 10 resources", "PasteOnFreeDay",
                     "PasteOnFreeDayRaw", frame);
        reporter.row("Edit: Paste Lesson Plan, insert", "158 plans x 10 resources, 22 special days",
                     "PasteInsert", "PasteInsertRaw", year);
        reporter.row("Edit: Cut Lesson Plan, pull back", "158 plans x 10 resources, 22 special days",
                     "CutPullingBack", "CutPullingBackRaw", year);
    });
}
