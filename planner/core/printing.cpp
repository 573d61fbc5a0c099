#include "printing.h"

#include "planner/data/resource_lookups.h"
#include "planner/data/saved_query.h"
#include "report_database.h"
#include "resource_documents.h"
#include "runtime/error.h"
#include "runtime/program_folder.h"
#include "runtime/report/report_engine.h"
#include "runtime/text.h"
#include "runtime/value/date.h"
#include "shared/course_settings.h"
#include "week_start.h"

#include <QDate>

namespace {

QString besideProgram(const QString& name) {
    return rt::programFolder() + u'/' + name;
}

QString selectPlan(qint32 lessonPlanID) {
    return QStringLiteral("{LessonPlans.LessonPlanID}=") + QString::number(lessonPlanID);
}

// The lesson-plan report reads the class file and the course database.
void setLessonPlanReport(rt::ReportEngine& report) {
    for (int i = 0; i < 3; ++i) report.setDataFile(i, ClassFilePath);
    for (int i = 3; i < 5; ++i) report.setDataFile(i, CourseDB.name());
    report.setDestination(rt::report_destination::Printer);
    report.setReportFile(LessonPlanReportFile());
}

// The reports of the scratch database read it as data files 0 to `last`, and nothing else.
void setScratchReport(rt::ReportEngine& report, const QString& file, int last) {
    report.setReportFile(besideProgram(file));
    report.setSelectionFormula(QString());
    const QString scratch = ReportDatabasePath();
    for (int i = 0; i < 5; ++i) report.setDataFile(i, i <= last ? scratch : QString());
}

void waitForReport(Planner& planner, rt::ReportEngine& report) {
    while (report.status() == 0) planner.platform.loop.yield();
}

// One lesson-plan report per plan stored from first to last, in the query's order.
void printPlansOfSpan(Planner& planner, rt::ReportEngine& report, qint32 first, qint32 last) {
    setLessonPlanReport(report);
    rt::QueryDef query = SavedQuery(QStringLiteral("qLPIDDateSpan"), rt::Value::date(first));
    query.setParameter(1, rt::Value::date(last));
    rt::Recordset plans = query.open();
    for (; !plans.eof(); plans.moveNext()) {
        report.setSelectionFormula(selectPlan(plans.field(u"LessonPlanID").toInt32()));
        report.start();
        waitForReport(planner, report);
    }
    plans.close();
}

void say(Planner& planner, const QString& text, rt::MbIcon icon = rt::MbIcon::None) {
    planner.platform.msg.show({text, CourseSettings.AppTitle, rt::MbButtons::Ok, icon});
}

} // namespace

QString LessonPlanReportFile() {
    static const QStringList math = {QStringLiteral("KTN1"), QStringLiteral("KTN2"), QStringLiteral("KTN3")};
    static const QStringList language = {QStringLiteral("RV09"), QStringLiteral("RV10"),
                                         QStringLiteral("RV11"), QStringLiteral("RV12")};
    if (math.contains(LoadedCourse)) return besideProgram(QStringLiteral("LKMath.RPT"));
    if (language.contains(LoadedCourse)) return besideProgram(QStringLiteral("LKLANG.RPT"));
    return besideProgram(CourseSettings.UCI + QStringLiteral(".rpt"));
}

void PrintClass(Planner& planner, rt::ReportEngine& CrystalReport1) {
    std::unique_ptr<PrintOptionsDialog> dialog = planner.dialogs.createPrintOptions();
    dialog->showModal();
    const qint16 choice = dialog->PrintChoice();
    const qint16 result = dialog->Result();
    const bool withPlans[3] = {dialog->chkResourcesValue(0) == 1, dialog->chkResourcesValue(1) == 1,
                               dialog->chkResourcesValue(2) == 1};
    dialog.reset();
    if (result != 1) return;
    if (planner.platform.printers.installedCount() == 0) {
        say(planner, QStringLiteral("There are no printers installed,\r\nInstall a printer and try again."));
        return;
    }

    MainWindow& window = *planner.window;
    const auto busy = [&] {
        window.SetEnabled(false);
        window.SetMousePointer(rt::Pointer::Hourglass);
    };
    const auto done = [&] {
        window.SetMousePointer(rt::Pointer::Default);
        window.SetEnabled(true);
    };
    rt::ReportEngine& report = CrystalReport1;
    try {
        switch (choice) {
        case 0:
            setLessonPlanReport(report);
            report.setSelectionFormula(selectPlan(CurrentLesson.LessonPlanID));
            report.start();
            busy();
            waitForReport(planner, report);
            done();
            if (withPlans[0]) PrintLessonResources(planner, CurrentLesson);
            break;
        case 1: {
            FillWeekReportData();
            report.setDestination(rt::report_destination::Printer);
            setScratchReport(report, QStringLiteral("weekvw.rpt"), 0);
            // The week report is not waited for: its lesson plans follow at once.
            report.start();
            busy();
            const qint32 monday = WeekStart(CurrentLesson.LPDate);
            if (withPlans[1]) printPlansOfSpan(planner, report, monday, monday + 4);
            done();
            break;
        }
        case 2: {
            busy();
            FillMonthReportData();
            report.setWindowTitle(QStringLiteral("Month View Report"));
            setScratchReport(report, QStringLiteral("monthvw.rpt"), 1);
            report.start();
            waitForReport(planner, report);
            const QDate date = rt::dateFromDays(CurrentLesson.LPDate);
            const qint32 first = rt::daysFromDate(QDate(date.year(), date.month(), 1));
            if (withPlans[2]) printPlansOfSpan(planner, report, first, first + MonthDayCount(first) - 1);
            done();
            break;
        }
        }
    } catch (const rt::RuntimeError& e) {
        if (e.number == rt::report_error::StillPrinting)
            say(planner,
                QStringLiteral("Please allow the report to finish printing before printing another report."));
        else if (e.number != rt::report_error::Cancelled)
            say(planner,
                QStringLiteral("Error ") + QString::number(e.number) +
                    QStringLiteral(
                        " occured while printing.  Make sure the printer is connected and try again."),
                rt::MbIcon::Critical);
        done();
    }
    planner.platform.loop.yield();
}

void PrintLessonResources(Planner& planner, const LessonPlanRecord& rec) {
    rt::Recordset resources =
        SavedQuery(QStringLiteral("qLessonResources"), rt::Value::longInt(rec.LessonPlanID)).open();
    for (; !resources.eof(); resources.moveNext()) {
        // A fresh record for each row: a resource that the course does not know leaves it untouched,
        // and must not print the row before it again.
        ResourceRecord res;
        GetResourceDetails(resources.field(u"ResourceID").toInt32(), res);
        if (!rt::trimSpaces(res.PDFFile).isEmpty()) PrintResource(planner, res);
    }
    resources.close();
}
