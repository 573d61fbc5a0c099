// Make Lesson Plans (ScheduleLessons) on a class file of the large course, the wizard scripted: 180
// one-day course lessons with their core resources laid from the first school day, onto free days (the
// class's plans deleted beforehand) and with "insert" over the school year of plans (the year moved on
// by 180 school days first). Beside raw SQLite writing the same rows, and for "insert" running the one
// UPDATE that moves the year, in one transaction. Goal: 50 ms onto free days.
#include "large_course_window.h"
#include "planner/window/plan_x_scheduling.h"
#include "ratio_reporter.h"
#include "raw_sqlite.h"

#include <QApplication>
#include <QFile>
#include <benchmark/benchmark.h>
#include <functional>

namespace {

constexpr int lessons = LargeCourse::SchoolDays;
constexpr int firstLesson = 1001;

// Special days of the class, which stay where they are while the plans move around them.
constexpr int specialDay = -666;

enum Onto { FreeDays, Insert };

// Deletes every plan of the class, through the layer or raw (`execute` runs one statement): the days are
// free.
void freeTheDays(const std::function<void(const char*)>& execute) {
    execute("DELETE FROM LessonResources");
    execute("DELETE FROM LessonPlans");
}

// A fresh copy of the class open in the main window, the wizard's answer scripted: course lessons
// 1001-1180, one day each, from the first school day; "insert" where a plan is in the way.
struct Scheduling : LargeCourseWindow {
    void reopen(Onto onto) {
        CloseClass(planner);
        if (!file.isEmpty()) QFile::remove(file);
        file = course.freshClassFile();
        open(file);
        if (onto == FreeDays)
            freeTheDays([](const char* sql) { CourseDB.execute(QString::fromLatin1(sql)); });
        QList<qint32> queue;
        for (int i = 0; i < lessons; ++i) queue << firstLesson + i;
        dialogs.schedule = {0, rt::daysFromDate(firstDay), QStringLiteral("1"), queue, {}, {}, 0, 0};
        dialogs.moveDayResults = {1};
    }

    // Whether the class holds the plans the schedule makes, every lesson with its core resources.
    bool scheduled(Onto onto) const {
        rt::Recordset rs = CourseDB.openSql(
            QStringLiteral("SELECT (SELECT COUNT(*) FROM LessonPlans WHERE TreeID BETWEEN %1 AND %2), "
                           "(SELECT COUNT(*) FROM LessonResources)")
                .arg(firstLesson)
                .arg(firstLesson + lessons - 1));
        const int plans = rs.field(0).toInt32(), resources = rs.field(1).toInt32();
        // The year's lesson plans (lessons 1001-1158, 22 special days aside), moved on.
        const int year = LargeCourse::SchoolDays - 22;
        const int core = LargeCourse::ResourcesPerPlan - 2;
        return onto == FreeDays ? plans == lessons && resources == lessons * core
                                : plans == lessons + year &&
                                      resources == lessons * core + year * LargeCourse::ResourcesPerPlan;
    }

    QString file;
};

void Schedule(benchmark::State& state, Onto onto) {
    Scheduling planner;
    for (auto _ : state) {
        state.PauseTiming();
        planner.reopen(onto);
        state.ResumeTiming();
        ScheduleLessons(planner.planner);
        state.PauseTiming();
        if (!planner.msg.shown.isEmpty() || !planner.scheduled(onto)) state.SkipWithError("not scheduled");
        state.ResumeTiming();
    }
}

// The same rows in raw SQLite, each statement prepared once: per lesson its row of the lesson tree read,
// its plan written, its core resources read and written.
class RawSchedule {
public:
    explicit RawSchedule(sqlite3* db) : db_(db) {
        lesson_ = prepare("SELECT TreeID, Title, ItemNumber, Objective1, Objective2, Objective3, Objective4, "
                          "Objective5 FROM LessonTree WHERE TreeID = ?1");
        plan_ =
            prepare("INSERT INTO LessonPlans (TreeID, LPDate, Title, ItemNumber, blocked, Objective1, "
                    "Objective2, Objective3, Objective4, Objective5) VALUES (?1, ?2, ?3, ?4, 0, ?5, ?6, ?7, "
                    "?8, ?9)");
        core_ =
            prepare("SELECT ResourceID, TypeID, Title, Duration, SortOrder, Descript, Header FROM Resources "
                    "WHERE TreeID = ?1 AND PlanItem <> 0 ORDER BY SortOrder, ResourceID");
        resource_ = prepare("INSERT INTO LessonResources (LessonPlanID, ResourceID, TypeID, Title, Duration, "
                            "SortOrder, Descript, Header) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
    }
    ~RawSchedule() {
        for (sqlite3_stmt* s : {lesson_, plan_, core_, resource_}) raw::finalize(s);
    }

    // Lessons 1001-1180 onto `days`, after the year's plans from the first of them moved on by
    // `shift` calendar days, all in one transaction.
    void write(const QList<QByteArray>& days, int shift) {
        raw::exec(db_, "BEGIN");
        if (shift) {
            const QByteArray move = "UPDATE LessonPlans SET LPDate = date(LPDate, '+" +
                                    QByteArray::number(shift) + " days') WHERE LPDate >= '" + days.first() +
                                    "' AND TreeID <> " + QByteArray::number(specialDay);
            raw::exec(db_, move.constData());
        }
        for (int i = 0; i < lessons; ++i) {
            raw::bind(sqlite3_bind_int, lesson_, 1, firstLesson + i);
            raw::step(lesson_);
            raw::bind(sqlite3_bind_value, plan_, 1, sqlite3_column_value(lesson_, 0));
            raw::bind(sqlite3_bind_text, plan_, 2, days[i].constData(), int(days[i].size()), SQLITE_STATIC);
            for (int c = 1; c < 8; ++c)
                raw::bind(sqlite3_bind_value, plan_, c + 2, sqlite3_column_value(lesson_, c));
            raw::step(plan_);
            raw::reset(plan_);
            raw::reset(lesson_);
            const sqlite3_int64 id = sqlite3_last_insert_rowid(db_);
            raw::bind(sqlite3_bind_int, core_, 1, firstLesson + i);
            while (raw::step(core_)) {
                raw::bind(sqlite3_bind_int64, resource_, 1, id);
                for (int c = 0; c < 7; ++c)
                    raw::bind(sqlite3_bind_value, resource_, c + 2, sqlite3_column_value(core_, c));
                raw::step(resource_);
                raw::reset(resource_);
            }
            raw::reset(core_);
        }
        raw::exec(db_, "COMMIT");
    }

private:
    sqlite3_stmt* prepare(const char* sql) {
        sqlite3_stmt* s = raw::prepare(db_, sql, SQLITE_PREPARE_PERSISTENT);
        return s;
    }

    sqlite3* db_;
    sqlite3_stmt *lesson_, *plan_, *core_, *resource_;
};

// The days the lessons take: school days from the first, the special days (which "insert" keeps)
// passed over.
QList<QByteArray> lessonDays(const QList<QByteArray>& specialDays) {
    QList<QByteArray> days;
    for (QDate d = LargeCourseWindow::firstDay; days.size() < lessons; d = d.addDays(1)) {
        const QByteArray day = d.toString(Qt::ISODate).toLatin1();
        if (d.dayOfWeek() <= 5 && !specialDays.contains(day)) days << day;
    }
    return days;
}

void ScheduleRaw(benchmark::State& state, Onto onto) {
    LargeCourse course;
    QString file;
    for (auto _ : state) {
        state.PauseTiming();
        if (!file.isEmpty()) QFile::remove(file);
        file = course.freshClassFile();
        sqlite3* db = course.rawConnection(file);
        QList<QByteArray> specialDays;
        if (onto == FreeDays) {
            freeTheDays([db](const char* sql) { raw::exec(db, sql); });
        } else {
            sqlite3_stmt* s = nullptr;
            const QByteArray special =
                "SELECT LPDate FROM LessonPlans WHERE TreeID = " + QByteArray::number(specialDay);
            s = raw::prepare(db, special.constData());
            while (raw::step(s)) specialDays << reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
            raw::finalize(s);
        }
        const QList<QByteArray> days = lessonDays(specialDays);
        state.ResumeTiming();
        {
            RawSchedule raw(db);
            // 180 school days are 36 weeks.
            raw.write(days, onto == Insert ? lessons / 5 * 7 : 0);
        }
        state.PauseTiming();
        raw::close(db);
        state.ResumeTiming();
    }
}

BENCHMARK_CAPTURE(Schedule, free_days, FreeDays)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ScheduleRaw, free_days, FreeDays)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Schedule, insert, Insert)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ScheduleRaw, insert, Insert)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks<QApplication>(argc, argv, [](RatioReporter& reporter) {
        reporter.printRatio("ScheduleLessons, free days / raw", "Schedule/free_days", "ScheduleRaw/free_days",
                            "(180 plans, 1,440 core resources)");
        reporter.printRatio("ScheduleLessons, insert / raw", "Schedule/insert", "ScheduleRaw/insert",
                            "(the year moved on, then the same rows)");
        reporter.row("ScheduleLessons onto free days", "180 lessons x 8 core resources", "Schedule/free_days",
                     "ScheduleRaw/free_days", {RatioReporter::Goal::Milliseconds, 50});
        // No goal was set for "insert"; the free days' one shows how far it is from it.
        reporter.row("ScheduleLessons, insert over the year", "180 lessons over 180 plans", "Schedule/insert",
                     "ScheduleRaw/insert", {RatioReporter::Goal::Milliseconds, 50});
    });
}
