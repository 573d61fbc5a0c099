#include "report_files_fixture.h"
#include "runtime/dao/engine.h"
#include "runtime/error.h"
#include "runtime/report/own_report_engine.h"
#include "runtime/report/report_document.h"
#include "runtime/report/report_file.h"
#include "runtime/testing/error_of.h"
#include "runtime/testing/fake_printers.h"
#include "runtime/testing/in_order.h"
#include "runtime/testing/pdf_text.h"

#include <QDir>
#include <QFile>
#include <QPdfDocument>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

const QString program = QStringLiteral(LK_PROGRAM_DIR "/");
const QString classFile = QStringLiteral(LK_COURSE_DIR "/fixtures/sample1.lkc");
const QString courseFile = QStringLiteral(LK_COURSE_DIR "/SAMPLE1/SAMPLE1.mdb");

rt::ReportJob lessonPlanJob(const QString& formula, const QString& classPath = classFile) {
    return {program + "WW01.rpt",
            {classPath, classPath, classPath, courseFile, courseFile},
            formula,
            "Lesson Plan"};
}

using rt::errorOf;

class Reports : public ReportFilesFixture {
protected:
    // The scratch database as the fills leave it, with these cells.
    QString scratch(const QStringList& cells, const QString& comments) {
        const QString path = copy(program + "reports.mdb", "reports.mdb");
        QStringList sql{
            QStringLiteral("INSERT INTO Class VALUES ('Ms. Alvarez', 'Science', '3rd period', '%1')")
                .arg(comments)};
        for (const QString& cell : cells)
            sql << QStringLiteral("INSERT INTO RptData (LessonDate, Title) VALUES (%1)").arg(cell);
        run(path, sql);
        return path;
    }
};

TEST_F(Reports, AReportFileIsFoundWithoutCaseAndMustNameALayout) {
    QFile bare(dir.filePath("Bare.rpt"));
    ASSERT_TRUE(bare.open(QIODevice::WriteOnly));
    bare.write("HEADING|No layout here\r\n");
    bare.close();
    EXPECT_EQ(rt::readReportFile(program + "WEEKVW.RPT").layout, "week");
    EXPECT_EQ(rt::readReportFile(program + "lkmath.rpt").caption("objective1"), "Math Objectives");
    EXPECT_EQ(errorOf([&] { rt::readReportFile(program + "NOSUCH.rpt"); }), 20507);
    EXPECT_EQ(errorOf([&] { rt::readReportFile({}); }), 20507);
    EXPECT_EQ(errorOf([&] { rt::readReportFile(dir.filePath("bare.rpt")); }), 20525);

    // Every report file beside the program names its layout.
    const QStringList installed = QDir(program).entryList({"*.rpt"}, QDir::Files);
    EXPECT_GE(installed.size(), 10);
    for (const QString& name : installed)
        EXPECT_EQ(errorOf([&] { rt::readReportFile(program + name); }), 0) << name.toStdString();
}

TEST_F(Reports, TheFormulaIsEmptyOrOneFieldOfTheMainTableEqualToAnInteger) {
    const struct {
        const char* formula;
        int error;
    } cases[] = {
        {"", 0},
        {"{LessonPlans.LessonPlanID}=3", 0},
        {" {lessonplans.LessonPlanID} = 3 ", 0},
        {"{LessonPlans.TreeID}=-666", 0},
        {"{LessonPlans.LessonPlanID}=x", 20515},
        {"LessonPlanID=3", 20515},
        {"{LessonPlans.LessonPlanID}>3", 20515},
        {"{LessonPlans.LessonPlanID}=3 OR 1=1", 20515},
        {"{Class.Teacher}=1", 20515},
        {"{LessonPlans.NoSuchField}=1", 20515},
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorOf([&] { rt::buildReport(lessonPlanJob(c.formula)); }), c.error) << c.formula;
}

TEST_F(Reports, ALessonPlanShowsClassDateTitleResourcesWithMinutesAndObjectives) {
    const auto doc = rt::buildReport(lessonPlanJob("{LessonPlans.LessonPlanID}=2")).document;
    EXPECT_EQ(doc->metaInformation(QTextDocument::DocumentTitle), "Lesson Plan");
    EXPECT_IN_ORDER(doc->toPlainText(), {"Lesson Plan",
                                         "Ms. Alvarez, Science, 3rd period",
                                         "Tuesday January 5, 2027",
                                         "3 Moving Air Is Wind",
                                         "Teaching Resources",
                                         "Resource",
                                         "Type",
                                         "Minutes",
                                         "Wind Warm-Up",
                                         "Wind Vane Build",
                                         "Activity Sheet",
                                         "20",
                                         "Wind Quiz",
                                         "Five questions on wind.",
                                         "Assessment",
                                         "10",
                                         "Wind sock video",
                                         "Video",
                                         "5",
                                         "Science Goals",
                                         "Describe wind as moving air."});
    // Plan 2's second objective is empty, so its caption is not printed.
    EXPECT_FALSE(doc->toPlainText().contains("Skills"));
}

TEST_F(Reports, WithoutAFormulaEveryPlanPrintsOnAPageOfItsOwnInDateOrder) {
    const auto doc = rt::buildReport(lessonPlanJob({})).document;
    int pageBreaks = 0;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        pageBreaks += b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore ? 1 : 0;
    EXPECT_EQ(pageBreaks, 10); // eleven plans
    EXPECT_IN_ORDER(doc->toPlainText(),
                    {"Air Takes Up Space", "Moving Air Is Wind", "Air Has Weight", "Field Trip",
                     "How Clouds Form", "Weekend Weather Watch", "Cloud Types", "Reading a Thermometer"});
}

TEST_F(Reports, MissingOrUnreadableDataFilesAreEngineErrors) {
    QFile text(dir.filePath("notes.txt"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a database");
    text.close();
    rt::ReportJob noCourse = lessonPlanJob("{LessonPlans.LessonPlanID}=2");
    noCourse.dataFiles[4].clear();
    rt::ReportJob notADatabase = lessonPlanJob({});
    notADatabase.dataFiles[0] = text.fileName();
    rt::ReportJob missing = lessonPlanJob({});
    missing.dataFiles[0] = dir.filePath("gone.lkc");
    rt::ReportJob noTables{program + "weekvw.rpt", {courseFile}, {}, {}};
    EXPECT_EQ(errorOf([&] { rt::buildReport(noCourse); }), 20507);
    EXPECT_EQ(errorOf([&] { rt::buildReport(missing); }), 20507);
    EXPECT_EQ(errorOf([&] { rt::buildReport(notADatabase); }), 20532);
    EXPECT_EQ(errorOf([&] { rt::buildReport(noTables); }), 20532);
}

TEST_F(Reports, TheWeekShowsItsSixCellsTwoARow) {
    const QString reports = scratch({"'Monday, January 4', 'Air'", "'Tuesday, January 5', ''",
                                     "'Wednesday, January 6', 'Weight'", "'Thursday, January 7', 'Trip'",
                                     "'Friday, January 8', 'Clouds'", "'Saturday/Sunday, January 9-10', ''"},
                                    "January 4-10, 2027");
    const rt::Report report = rt::buildReport({program + "weekvw.rpt", {reports}, {}, {}});
    EXPECT_EQ(report.orientation, QPageLayout::Portrait);
    EXPECT_EQ(report.title, "Weekly Lesson Plans");
    ASSERT_TRUE(report.sheet);
    const rt::CalendarSheet& sheet = *report.sheet;
    EXPECT_EQ(QStringList({sheet.heading, sheet.span, sheet.classLine}),
              QStringList({"Weekly Lesson Plans", "January 4-10, 2027", "Ms. Alvarez, Science, 3rd period"}));
    EXPECT_EQ(sheet.columns, 2);
    EXPECT_EQ(sheet.rows(), 3);
    EXPECT_TRUE(sheet.columnNames.isEmpty());
    QStringList cells;
    for (const auto& cell : sheet.cells) cells << cell.caption + " | " + cell.text;
    EXPECT_EQ(cells, QStringList({"Monday, January 4 | Air", "Tuesday, January 5 | ",
                                  "Wednesday, January 6 | Weight", "Thursday, January 7 | Trip",
                                  "Friday, January 8 | Clouds", "Saturday/Sunday, January 9-10 | "}));
}

TEST_F(Reports, TheMonthIsSixWeeksUnderWeekdayNamesOnALandscapePage) {
    QStringList cells;
    for (int i = 0; i < 42; ++i) cells << QStringLiteral("' %1', 'Cell %2'").arg(i % 31 + 1).arg(i);
    const QString reports = scratch(cells, "January 2027");
    const rt::Report report = rt::buildReport({program + "monthvw.rpt", {reports, reports}, {}, {}});
    EXPECT_EQ(report.orientation, QPageLayout::Landscape);
    EXPECT_EQ(report.title, "Monthly Lesson Plans");
    ASSERT_TRUE(report.sheet);
    const rt::CalendarSheet& sheet = *report.sheet;
    EXPECT_EQ(sheet.span, "January 2027");
    EXPECT_EQ(sheet.columns, 7);
    EXPECT_EQ(sheet.rows(), 6);
    EXPECT_EQ(sheet.columnNames,
              QStringList({"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"}));
    ASSERT_EQ(sheet.cells.size(), 42);
    EXPECT_EQ(sheet.cells[0].caption, "1"); // the leading blank is not printed
    EXPECT_EQ(sheet.cells[41].text, "Cell 41");
}

TEST_F(Reports, TheObjectivesLayoutPrintsTheLessonTreeInOrderOrTheSelectedSubtree) {
    const rt::ReportJob all{
        program + "TRDWW01.rpt", {courseFile, courseFile, courseFile}, {}, "Local Objectives Report"};
    EXPECT_IN_ORDER(rt::buildReport(all).document->toPlainText(),
                    {"Local Objectives Report", "Weather Tools", "1 Thermometers", "1 Reading a Thermometer",
                     "Science Goals: Read a thermometer to the nearest degree.", "2 Hot and Cold Days",
                     "1 Air and Sky", "Science Goals: Air is all around us.", "1 Clouds", "1 How Clouds Form",
                     "Local Objective: Cloud walk on Friday.", "2 What Is Air?", "1 Air Takes Up Space",
                     "2 Water on the Move", "3 Weather Journal Kickoff", "5 Seasons"});
    rt::ReportJob one = all;
    one.formula = "{LessonTree.TreeID}=11";
    const QString text = rt::buildReport(one).document->toPlainText();
    EXPECT_IN_ORDER(text,
                    {"2 What Is Air?", "1 Air Takes Up Space", "2 Air Has Weight", "3 Moving Air Is Wind"});
    EXPECT_FALSE(text.contains("Clouds"));
}

class Engine : public Reports {
protected:
    // A copy of the class file whose plan 3 has an objective of several pages.
    QString longObjectives() {
        const QString path = copy(classFile, "long.lkc");
        QString objective;
        for (int i = 1; i <= 400; ++i)
            objective += QStringLiteral("Step %1: weigh the balloon again and write it down. ").arg(i);
        run(path, {QStringLiteral("UPDATE LessonPlans SET Objective1 = '%1 The end.' WHERE LessonPlanID = 3")
                       .arg(objective)});
        return path;
    }
    void set(rt::ReportEngine& engine, const rt::ReportJob& job) {
        engine.setReportFile(job.reportFile);
        for (int i = 0; i < 5; ++i) engine.setDataFile(i, job.dataFiles[size_t(i)]);
        engine.setSelectionFormula(job.formula);
        engine.setWindowTitle(job.title);
    }

    rt::FakePrinters printers;
    rt::OwnReportEngine engine{printers};
};

TEST_F(Engine, StartPrintsBeforeItReturnsAndTheTitleNamesTheJob) {
    EXPECT_EQ(engine.status(), 0);
    set(engine, lessonPlanJob("{LessonPlans.LessonPlanID}=1"));
    engine.setDestination(rt::report_destination::Printer);
    engine.start();
    EXPECT_NE(engine.status(), 0);
    ASSERT_EQ(printers.printedFiles().size(), 1);
    QPdfDocument pdf;
    pdf.load(printers.printedFiles().first());
    EXPECT_EQ(pdf.metaData(QPdfDocument::MetaDataField::Title).toString(), "Lesson Plan");
    EXPECT_IN_ORDER(rt::pdfPageTexts(printers.printedFiles().first()).join(u'\n'),
                    {"Lesson Plan", "Monday January 4, 2027", "1 Air Takes Up Space",
                     "Air Takes Up Space: Teacher Notes", "Teacher Guide", "10", "Cup in a Tub", "15",
                     "My balloon worksheet", "Science Goals", "Show that air takes up space",
                     "Local Objective", "Use the rain barrel"});

    // A failing start leaves the status at 0 and prints nothing.
    engine.setSelectionFormula("LessonPlanID=1");
    EXPECT_EQ(errorOf([&] { engine.start(); }), 20515);
    EXPECT_EQ(engine.status(), 0);
    EXPECT_EQ(printers.printedFiles().size(), 1);
}

TEST_F(Engine, OnlyFiveDataFilesAndThreeDestinationsExist) {
    EXPECT_EQ(errorOf([&] { engine.setDataFile(5, classFile); }), 9);
    EXPECT_EQ(errorOf([&] { engine.setDataFile(-1, classFile); }), 9);
    EXPECT_EQ(errorOf([&] { engine.setDestination(3); }), 380);
}

TEST_F(Engine, ObjectivesRunOverPagesAlikeInThePdfFileAndThePreview) {
    set(engine, lessonPlanJob("{LessonPlans.LessonPlanID}=3", longObjectives()));
    engine.setDestination(rt::report_destination::File);
    const QString file = dir.filePath("plan.pdf");
    engine.setPrintFileName(file);
    engine.start();
    const QStringList pages = rt::pdfPageTexts(file);
    ASSERT_GE(pages.size(), 3);
    EXPECT_TRUE(pages.first().contains("Air Has Weight"));
    EXPECT_TRUE(pages.last().contains("The end."));

    engine.setDestination(rt::report_destination::Window);
    engine.start();
    ASSERT_NE(engine.previewWindow(), nullptr);
    EXPECT_EQ(engine.previewWindow()->windowTitle(), "Lesson Plan");
    auto* preview = engine.previewWindow()->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(preview, nullptr);
    preview->updatePreview();
    EXPECT_EQ(preview->pageCount(), pages.size());
}

TEST_F(Engine, APdfFileThatCannotBeWrittenIsAnEngineError) {
    set(engine, lessonPlanJob("{LessonPlans.LessonPlanID}=1"));
    engine.setDestination(rt::report_destination::File);
    engine.setPrintFileName(dir.filePath("no/such/folder/plan.pdf"));
    EXPECT_EQ(errorOf([&] { engine.start(); }), 20541);
}

} // namespace
