#include "report_database.h"

#include "date_captions.h"
#include "planner.h"
#include "planner/data/lesson_plans.h"
#include "presentation.h"
#include "runtime/dao/engine.h"
#include "runtime/dao/in_one_transaction.h"
#include "runtime/error.h"
#include "runtime/program_folder.h"
#include "runtime/value/date.h"
#include "week_start.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {

const QString reportsFile = QStringLiteral("reports.mdb");
// What an empty day of the month shows: it keeps the cell as tall as a day with a lesson.
const QString emptyDayText = QStringLiteral("\r\n\r\n\r\n\r\n\r\n.");

void writeClassRow(rt::Database& db, const QString& comments) {
    rt::Recordset rs = db.openTable(QStringLiteral("Class"));
    rs.addNew();
    rs.setField(u"Teacher", ClassTeacher);
    rs.setField(u"Subject", ClassSubject);
    rs.setField(u"Period", ClassPeriod);
    rs.setField(u"Comments", comments);
    rs.update();
    rs.close();
}

void addCell(rt::Recordset& rows, const QString& date, const QString& title) {
    rows.addNew();
    rows.setField(u"LessonDate", date);
    rows.setField(u"Title", title);
    rows.update();
}

// The fill's steps in one transaction over the freshly emptied tables; the database closes after it.
template <class Fill> void refill(Fill fill) {
    rt::Database db = rt::DBEngine::instance().workspace().openDatabase(ReportDatabasePath());
    try {
        rt::inOneTransaction([&] {
            db.execute(QStringLiteral("DELETE * from Class"));
            db.execute(QStringLiteral("DELETE * from RptData"));
            fill(db);
        });
    } catch (...) {
        db.close();
        throw;
    }
    db.close();
}

// " 7": the day of the month, as the month report's cells show it.
QString dayCaption(qint32 d) {
    return u' ' + QString::number(rt::dateFromDays(d).day());
}

template <class Step> void skippingFailure(Step step) {
    try {
        step();
    } catch (const rt::RuntimeError&) {
    }
}

} // namespace

QString ReportDatabasePath() {
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Larkspan");
    const QString path = folder + u'/' + reportsFile;
    if (!QFile::exists(path)) {
        QDir().mkpath(folder);
        // The copy is the user's to write, whatever the installed file's permissions.
        if (QFile::copy(rt::programFolder() + u'/' + reportsFile, path))
            QFile::setPermissions(path,
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    }
    return path;
}

void FillWeekReportData() {
    const qint32 current = CurrentLesson.LPDate;
    refill([current](rt::Database& db) {
        writeClassRow(db, FormatWeekRange(current));
        rt::Recordset rows = db.openTable(QStringLiteral("RptData"));
        const qint32 monday = WeekStart(current);
        for (qint32 day = monday; day < monday + 5; ++day) {
            LessonPlanRecord plan;
            addCell(rows, FormatDayCaption(day),
                    GetLessonPlanForDate(day, plan) ? FormatWeekCellItem(plan) : QString());
        }
        addCell(rows, FormatWeekendCaption(monday + 5), QString());
        rows.close();
    });
}

void FillMonthReportData() {
    const qint32 current = CurrentLesson.LPDate;
    refill([current](rt::Database& db) {
        skippingFailure([&] { writeClassRow(db, FormatDate(current, QStringLiteral("mmmm yyyy"))); });
        rt::Recordset rows;
        skippingFailure([&] { rows = db.openTable(QStringLiteral("RptData")); });
        const QDate date = rt::dateFromDays(current);
        const qint32 first = rt::daysFromDate(QDate(date.year(), date.month(), 1));
        const int leading = rt::weekday(first) - 1;
        const int days = MonthDayCount(first);
        qint32 x = first - leading;
        for (int i = 0; i < leading; ++i, ++x)
            skippingFailure([&] { addCell(rows, dayCaption(x), QString()); });
        for (int i = 0; i < days; ++i, ++x) {
            QString title = emptyDayText;
            skippingFailure([&] {
                LessonPlanRecord plan;
                if (GetLessonPlanForDate(x, plan)) title = FormatMonthCellItem(plan);
            });
            skippingFailure([&] { addCell(rows, dayCaption(x), title); });
        }
        for (int i = leading + days; i < 42; ++i, ++x)
            skippingFailure([&] { addCell(rows, dayCaption(x), emptyDayText); });
        skippingFailure([&] { rows.close(); });
    });
}

qint16 MonthDayCount(qint32 d) {
    return qint16(rt::dateFromDays(d).daysInMonth());
}
