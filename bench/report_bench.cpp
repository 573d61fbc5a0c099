// Printing on the large course's class: the week and the month report fills of the scratch database (a
// week of five plans; October 2027, 42 cells with a special day), each beside raw SQLite doing the same
// reads and inserts in one transaction; and the month report through our report engine: laying out its
// sheet alone, beside raw SQLite reads of the scratch database filling the same sheet, and the whole print
// to a PDF file, beside the drawing of the finished sheet into the same PDF writer. Each row is a median
// against its own baseline, never a difference of two. Goals: 16 ms for each fill and for the sheet; the
// whole print 1.5 times the drawing alone.
#include "planner/core/planner.h"
#include "planner/core/report_database.h"
#include "planner/data/lesson_plans.h"
#include "planner_bench.h"
#include "raw_sqlite.h"
#include "runtime/program_folder.h"
#include "runtime/report/own_report_engine.h"
#include "runtime/report/report_document.h"
#include "runtime/testing/platform_doubles.h"
#include "runtime/value/date.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QPdfWriter>

namespace {

const QDate weekDay(2027, 9, 15);   // Wednesday of a week of five lesson plans
const QDate monthDay(2027, 10, 13); // October 2027: from Sunday 26 September, Teacher Workday the 11th

// The scratch database in a data folder beside the course's copy (in memory, like it), the main window's
// current date on `d`.
class Scratch {
public:
    explicit Scratch(const QDate& d) {
        qputenv("XDG_DATA_HOME", QFile::encodeName(folder));
        rt::setProgramFolder(QStringLiteral(LK_PROGRAM_DIR));
        ClassTeacher = QStringLiteral("Ms. Example");
        ClassSubject = QStringLiteral("Science");
        ClassPeriod = QStringLiteral("2nd period");
        CurrentLesson = {};
        CurrentLesson.LPDate = rt::daysFromDate(d);
        path = ReportDatabasePath();
    }
    ~Scratch() {
        rt::setProgramFolder({});
        qunsetenv("XDG_DATA_HOME");
    }

    const QString folder = linkedLargeCourse().folder + QStringLiteral("/data");
    QString path;
};

void FillWeek(benchmark::State& state) {
    Scratch scratch(weekDay);
    for (auto _ : state) FillWeekReportData();
}

void FillMonth(benchmark::State& state) {
    Scratch scratch(monthDay);
    for (auto _ : state) FillMonthReportData();
}

// The raw fill: the scratch database opened, emptied and written in one transaction, each cell's plan
// read from the class by its date, the database closed.
class RawFill {
public:
    explicit RawFill(const Scratch& scratch)
        : course_(linkedLargeCourse().rawConnection(linkedLargeCourse().classFile)), scratch_(scratch.path) {
        plan_ = raw::prepare(course_,
                             "SELECT LessonPlanID, TreeID, Title, ItemNumber, blocked FROM class.LessonPlans "
                             "WHERE LPDate = ?1 ORDER BY LessonPlanID",
                             SQLITE_PREPARE_PERSISTENT);
    }
    ~RawFill() {
        raw::finalize(plan_);
        raw::close(course_);
    }

    // `cells` days from `first`; `read` says which of them read their plan.
    void fill(const QDate& first, int cells, const std::function<bool(const QDate&)>& read) {
        sqlite3* db = raw::open(scratch_);
        raw::exec(db, "BEGIN; DELETE FROM Class; DELETE FROM RptData");
        raw::exec(db,
                  "INSERT INTO Class (Teacher, Subject, Period, Comments) VALUES ('Ms. Example', 'Science', "
                  "'2nd period', 'October 2027')");
        sqlite3_stmt* cell = raw::prepare(db, "INSERT INTO RptData (LessonDate, Title) VALUES (?1, ?2)");
        for (int i = 0; i < cells; ++i) {
            const QDate d = first.addDays(i);
            QByteArray title;
            if (read(d)) {
                const QByteArray date = d.toString(Qt::ISODate).toLatin1();
                raw::bind(sqlite3_bind_text, plan_, 1, date.constData(), int(date.size()), SQLITE_STATIC);
                if (raw::step(plan_)) title = reinterpret_cast<const char*>(sqlite3_column_text(plan_, 2));
                raw::reset(plan_);
            }
            const QByteArray caption = QByteArray::number(d.day());
            raw::bind(sqlite3_bind_text, cell, 1, caption.constData(), int(caption.size()), SQLITE_STATIC);
            raw::bind(sqlite3_bind_text, cell, 2, title.constData(), int(title.size()), SQLITE_STATIC);
            raw::step(cell);
            raw::reset(cell);
        }
        raw::finalize(cell);
        raw::exec(db, "COMMIT");
        raw::close(db);
    }

private:
    sqlite3* course_;
    QString scratch_;
    sqlite3_stmt* plan_ = nullptr;
};

void FillWeekRaw(benchmark::State& state) {
    Scratch scratch(weekDay);
    RawFill raw(scratch);
    const QDate monday = weekDay.addDays(1 - weekDay.dayOfWeek());
    for (auto _ : state) raw.fill(monday, 6, [](const QDate& d) { return d.dayOfWeek() <= 5; });
}

void FillMonthRaw(benchmark::State& state) {
    Scratch scratch(monthDay);
    RawFill raw(scratch);
    const QDate first(monthDay.year(), monthDay.month(), 1);
    const QDate sunday = first.addDays(-(first.dayOfWeek() % 7));
    for (auto _ : state) raw.fill(sunday, 42, [&](const QDate& d) { return d.month() == first.month(); });
}

// The month's scratch data filled once, and the engine's job of the month report into a PDF file.
struct MonthJob {
    MonthJob() {
        FillMonthReportData();
        const QString program = QStringLiteral(LK_PROGRAM_DIR "/");
        job = {program + QStringLiteral("monthvw.rpt"), {scratch.path, scratch.path}, {}, title};
    }

    Scratch scratch{monthDay};
    const QString title = QStringLiteral("Month View Report");
    const QString pdf = scratch.folder + QStringLiteral("/month.pdf");
    rt::ReportJob job;
};

void MonthToPdf(benchmark::State& state) {
    MonthJob month;
    rt::PlatformDoubles p;
    rt::OwnReportEngine engine(p.printers);
    engine.setReportFile(month.job.reportFile);
    for (int i = 0; i < 2; ++i) engine.setDataFile(i, month.scratch.path);
    engine.setWindowTitle(month.title);
    engine.setDestination(rt::report_destination::File);
    engine.setPrintFileName(month.pdf);
    for (auto _ : state) engine.start();
}

void MonthSheet(benchmark::State& state) {
    MonthJob month;
    for (auto _ : state) benchmark::DoNotOptimize(rt::buildReport(month.job));
}

QString columnText(sqlite3_stmt* s, int column) {
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, column)),
                             sqlite3_column_bytes(s, column));
}

// The month report's sheet as raw SQLite reads fill it: the heading, the class line, the weekdays and the
// cells' dates and titles.
rt::CalendarSheet rawMonthSheet(const QString& scratch) {
    sqlite3* db = raw::open(scratch);
    rt::CalendarSheet sheet;
    sheet.heading = QStringLiteral("Monthly Lesson Plans");
    sqlite3_stmt* c = raw::prepare(db, "SELECT Comments, Teacher, Subject, Period FROM Class");
    if (raw::step(c)) {
        sheet.span = columnText(c, 0);
        sheet.classLine =
            QStringList{columnText(c, 1), columnText(c, 2), columnText(c, 3)}.join(QStringLiteral(", "));
    }
    raw::finalize(c);
    sheet.columns = 7;
    for (int column = 0; column < 7; ++column)
        sheet.columnNames << QLocale().dayName(column == 0 ? 7 : column);
    sqlite3_stmt* r = raw::prepare(db, "SELECT LessonDate, Title FROM RptData ORDER BY RowNo");
    while (raw::step(r)) sheet.cells.append({columnText(r, 0).trimmed(), columnText(r, 1)});
    raw::finalize(r);
    raw::close(db);
    sheet.textPoints = 8;
    return sheet;
}

void MonthSheetRaw(benchmark::State& state) {
    MonthJob month;
    for (auto _ : state) benchmark::DoNotOptimize(rawMonthSheet(month.scratch.path));
}

// As the engine writes its PDF, from a report built anew, untimed, for each print.
void MonthPdfFloor(benchmark::State& state) {
    MonthJob month;
    for (auto _ : state) {
        state.PauseTiming();
        const rt::Report report = rt::buildReport(month.job);
        state.ResumeTiming();
        QFile::remove(month.pdf);
        QPdfWriter writer(month.pdf);
        writer.setTitle(month.title);
        writer.setPageOrientation(report.orientation);
        report.print(writer);
    }
}

BENCHMARK(FillWeek)->Unit(benchmark::kMillisecond);
BENCHMARK(FillWeekRaw)->Unit(benchmark::kMillisecond);
BENCHMARK(FillMonth)->Unit(benchmark::kMillisecond);
BENCHMARK(FillMonthRaw)->Unit(benchmark::kMillisecond);
BENCHMARK(MonthSheet)->Unit(benchmark::kMillisecond);
BENCHMARK(MonthSheetRaw)->Unit(benchmark::kMillisecond);
BENCHMARK(MonthToPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(MonthPdfFloor)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runPlannerBenchmarks<QApplication>(argc, argv, [](RatioReporter& reporter) {
        for (const std::string name : {"FillWeek", "FillMonth", "MonthSheet"})
            reporter.printRatio(name + " / raw", name, name + "Raw");
        reporter.printRatio("month to PDF / print alone", "MonthToPdf", "MonthPdfFloor");
        const RatioReporter::Goal frame{RatioReporter::Goal::Milliseconds, 16};
        reporter.row("FillWeekReportData", "6 cells, 5 plans", "FillWeek", "FillWeekRaw", frame);
        reporter.row("FillMonthReportData", "42 cells, 20 plans, 1 special day", "FillMonth", "FillMonthRaw",
                     frame);
        reporter.row("Month report: its sheet", "42 cells, 20 plans", "MonthSheet", "MonthSheetRaw", frame);
        reporter.row("Month report to PDF", "42 cells, 20 plans", "MonthToPdf", "MonthPdfFloor",
                     {RatioReporter::Goal::Ratio, 1.5});
    });
}
