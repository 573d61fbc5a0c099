#include "printing_fixture.h"

#include "planner/core/printing.h"
#include "runtime/testing/recording_report_engine.h"
#include "shared/course_settings.h"

#include <QFileInfo>
#include <map>

namespace {

using rt::day;

const QString noPrinter = "There are no printers installed,\r\nInstall a printer and try again.";
const QString stillPrinting = "Please allow the report to finish printing before printing another report.";

struct PrintCase {
    const char* name;
    const char* course = "SAMPLE1";
    qint32 date = day(2027, 1, 4);
    qint16 result = 1;
    qint16 choice = 0;
    std::array<qint16, 3> boxes{};
    int printers = 1;
    std::map<int, int> errors = {}; // start number → error
    QStringList starts = {};        // "report file | formula | data files | title"
    QStringList messages = {};      // "text | icon"
    QStringList printedPages = {};  // the PDF reader's printPagesSilent calls
};

void PrintTo(const PrintCase& c, std::ostream* os) {
    *os << c.name;
}

const QString lessonFiles = " | class class class course course | ";
QString plan(int id, const QString& report = "WW01.rpt", const QString& title = {}) {
    return report + " | {LessonPlans.LessonPlanID}=" + QString::number(id) + lessonFiles + title;
}
const QString week = "weekvw.rpt |  | scratch - - - - | ";
const QString month = "monthvw.rpt |  | scratch scratch - - - | Month View Report";
QString monthPlan(int id) {
    return plan(id, "WW01.rpt", "Month View Report");
}

class PrintClassCases : public PrintingFixture, public ::testing::WithParamInterface<PrintCase> {
protected:
    QString describe(const rt::RecordingReportEngine::Snapshot& s) const {
        QStringList files;
        for (const QString& f : s.dataFiles)
            files << (f.isEmpty()                 ? QStringLiteral("-")
                      : f == classFile            ? QStringLiteral("class")
                      : f == CourseDB.name()      ? QStringLiteral("course")
                      : f == ReportDatabasePath() ? QStringLiteral("scratch")
                                                  : f);
        const QFileInfo report(s.reportFile);
        const QString reportName =
            report.path() == QStringLiteral(LK_PROGRAM_DIR) ? report.fileName() : s.reportFile;
        EXPECT_EQ(s.destination, 1);
        return reportName + " | " + s.formula + " | " + files.join(u' ') + " | " + s.title;
    }

    rt::RecordingReportEngine report;
};

TEST_P(PrintClassCases, EachStartCarriesItsReportAndTheWindowIsUsableAfterwards) {
    const PrintCase& c = GetParam();
    LoadedCourse = c.course;
    setCurrentDate(c.date);
    plannerDialogs.printOptions = {c.result, c.choice, c.boxes};
    plannerDialogs.languageResults = {1, 1, 1};
    printers.count = c.printers;
    report.errorAtStart = c.errors;

    PrintClass(planner, report);

    QStringList starts, messages, printed;
    for (const auto& s : report.starts) starts << describe(s);
    for (const rt::MbRequest& m : msg.shown) {
        EXPECT_EQ(m.title, CourseSettings.AppTitle);
        messages << m.text + " | " + QString::number(int(m.icon));
    }
    for (const QString& call : pdf.calls)
        if (call.startsWith("printPagesSilent")) printed << call;
    EXPECT_EQ(starts, c.starts);
    EXPECT_EQ(messages, c.messages);
    EXPECT_EQ(printed, c.printedPages);
    EXPECT_EQ(plannerDialogs.log.first(), "PrintOptions");
    EXPECT_TRUE(window.enabled);
    EXPECT_EQ(window.mousePointer, rt::Pointer::Default);
    if (!starts.isEmpty() && c.errors.empty()) {
        EXPECT_EQ(window.calls.first(), "Enabled False") << window.calls.join(", ").toStdString();
    }
}

const QString failed =
    "Error 3000 occured while printing.  Make sure the printer is connected and try again. | 16";

INSTANTIATE_TEST_SUITE_P(
    Printing, PrintClassCases,
    ::testing::Values(
        // Cancel prints nothing and asks for no printer.
        PrintCase{.name = "Cancel", .result = 2, .printers = 0},
        PrintCase{.name = "NoPrinter", .choice = 1, .printers = 0, .messages = {noPrinter + " | 0"}},
        PrintCase{.name = "DayOfSample1", .starts = {plan(1)}},
        // The first series prints its own report whatever the course's identifier says.
        PrintCase{.name = "DayOfKTN3", .course = "KTN3", .starts = {plan(1, "LKMath.RPT")}},
        PrintCase{.name = "DayOfRV11", .course = "RV11", .starts = {plan(1, "LKLANG.RPT")}},
        PrintCase{.name = "DayOfKtn3InLowerCase", .course = "ktn3", .starts = {plan(1)}},
        PrintCase{.name = "DayWithItsResources",
                  .boxes = {1, 0, 0},
                  .starts = {plan(1)},
                  .printedPages = {"printPagesSilent(2, 4, 1, true, true)",
                                   "printPagesSilent(4, 4, 1, true, true)"}},
        // Plan 3 has no resources, so only its report prints.
        PrintCase{.name = "DayWithoutPrintableResources",
                  .date = day(2027, 1, 6),
                  .boxes = {1, 0, 0},
                  .starts = {plan(3)}},
        PrintCase{.name = "Week", .choice = 1, .starts = {week}},
        // Saturday's plan 7 is not among the week's.
        PrintCase{.name = "WeekWithItsPlans",
                  .date = day(2027, 1, 10),
                  .choice = 1,
                  .boxes = {0, 1, 0},
                  .starts = {week, plan(1), plan(2), plan(3), plan(4), plan(5)}},
        PrintCase{.name = "WeekWithoutPlans",
                  .date = day(2027, 2, 3),
                  .choice = 1,
                  .boxes = {0, 1, 0},
                  .starts = {week}},
        PrintCase{.name = "Month", .choice = 2, .starts = {month}},
        // The title set for the month stays set for the plans after it.
        PrintCase{.name = "MonthWithItsPlans",
                  .date = day(2027, 1, 31),
                  .choice = 2,
                  .boxes = {0, 0, 1},
                  .starts = {month, monthPlan(1), monthPlan(2), monthPlan(3), monthPlan(4), monthPlan(5),
                             monthPlan(7), monthPlan(6), monthPlan(8), monthPlan(9), monthPlan(10),
                             monthPlan(11)}},
        PrintCase{.name = "CancelledInTheEngine", .errors = {{1, 20545}}, .starts = {plan(1)}},
        PrintCase{.name = "StillPrinting",
                  .choice = 1,
                  .boxes = {0, 1, 0},
                  .errors = {{2, 20520}},
                  .starts = {week, plan(1)},
                  .messages = {stillPrinting + " | 0"}},
        PrintCase{.name = "AnotherError",
                  .choice = 2,
                  .boxes = {0, 0, 1},
                  .errors = {{3, 3000}},
                  .starts = {month, monthPlan(1), monthPlan(2)},
                  .messages = {failed}}),
    [](const auto& info) { return std::string(info.param.name); });

class Printing : public PrintingFixture {
protected:
    rt::RecordingReportEngine report;
};

TEST_F(Printing, APlanReportIsWaitedForWithAYieldBetweenReadsAndTheWeekReportIsNot) {
    report.statusSequence = {0, 0, 1};
    loop.count = 0;
    PrintClass(planner, report);
    EXPECT_EQ(report.statusReads, 3);
    EXPECT_EQ(loop.count, 3); // two while waiting, one at the end
    EXPECT_EQ(window.calls,
              (QStringList{"Enabled False", "MousePointer 11", "MousePointer 0", "Enabled True"}));

    report.statusReads = loop.count = 0;
    plannerDialogs.printOptions.choice = 1;
    PrintClass(planner, report);
    EXPECT_EQ(report.statusReads, 0);
    EXPECT_EQ(loop.count, 1);
}

TEST_F(Printing, AScratchDatabaseThatCannotBeOpenedIsToldAndStartsNoReport) {
    const QString scratch = ReportDatabasePath();
    QFile::setPermissions(scratch, QFile::ReadOwner);
    for (qint16 choice : {1, 2}) {
        msg.shown.clear();
        plannerDialogs.printOptions.choice = choice;
        PrintClass(planner, report);
        ASSERT_EQ(msg.shown.size(), 1);
        EXPECT_EQ(msg.shown[0].text,
                  "Error 3051 occured while printing.  Make sure the printer is connected and try again.");
    }
    EXPECT_TRUE(report.starts.isEmpty());
    EXPECT_TRUE(window.enabled);
    EXPECT_EQ(window.mousePointer, rt::Pointer::Default);
}

// A course whose query lists every resource of a plan, the teacher's own among them.
TEST_F(Printing, EachResourceIsLookedUpIntoAFreshRecord) {
    CourseDB.execute(
        "UPDATE _queries SET sql = 'SELECT ResourceID FROM LessonResources WHERE LessonPlanID = ?1 "
        "ORDER BY SortOrder, LessonItemID' WHERE name = 'qLessonResources'");
    CourseDB.execute("DELETE FROM LessonResources WHERE LessonItemID = 2");
    CourseDB.execute(
        "INSERT INTO LessonResources (LessonPlanID, ResourceID, TypeID, Title, Duration, SortOrder, "
        "Header) VALUES (1, -5, 2, 'My own quiz', 5, 4, 0)");
    plannerDialogs.languageResults = {1, 1, 1};
    PrintLessonResources(planner, CurrentLesson); // resource 1 with airsky.pdf, own 0, own -5
    EXPECT_EQ(pdf.calls.filter("printPagesSilent"), QStringList{"printPagesSilent(2, 4, 1, true, true)"});
}

} // namespace
