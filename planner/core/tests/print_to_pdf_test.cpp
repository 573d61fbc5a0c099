#include "printing_fixture.h"

#include "bench/large_course.h"
#include "planner/data/course_database.h"

#include "planner/core/printing.h"
#include "runtime/report/own_report_engine.h"
#include "runtime/testing/in_order.h"
#include "runtime/testing/pdf_text.h"

#include <QPdfDocument>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QRegularExpression>

namespace {

// The 42 day numbers from the Sunday on or before the month's first day, in order, on one landscape page.
void expectOneMonthPage(const QString& pdf, const QDate& first) {
    QPdfDocument doc;
    ASSERT_EQ(doc.load(pdf), QPdfDocument::Error::None);
    ASSERT_EQ(doc.pageCount(), 1) << first.toString().toStdString();
    EXPECT_GT(doc.pagePointSize(0).width(), doc.pagePointSize(0).height());
    QStringList expected, numbers;
    const QDate sunday = first.addDays(-(first.dayOfWeek() % 7));
    for (int i = 0; i < 42; ++i) expected << QString::number(sunday.addDays(i).day());
    static const QRegularExpression dayNumber(QStringLiteral("^\\d{1,2}$"));
    for (const QString& word : doc.getAllText(0).text().split(QRegularExpression(QStringLiteral("\\s+"))))
        if (dayNumber.match(word).hasMatch()) numbers << word;
    EXPECT_EQ(numbers, expected) << first.toString().toStdString();
}

// The real engine prints each job to a PDF file of the fake printers; the files are read back.
class PrintToPdf : public PrintingFixture {
protected:
    QStringList jobTexts() {
        QStringList texts;
        for (const QString& file : printers.printedFiles()) texts << rt::pdfPageTexts(file).join(u'\n');
        return texts;
    }
    // The pages of the engine's last report as its preview window shows them.
    int previewPages() {
        QPrintPreviewDialog* window = CrystalReport1.previewWindow();
        if (!window) return -1;
        auto* preview = window->findChild<QPrintPreviewWidget*>();
        preview->updatePreview();
        return preview->pageCount();
    }

    rt::OwnReportEngine CrystalReport1{printers};
};

TEST_F(PrintToPdf, AWeekPrintsTheWeekViewThenEachPlanOfItsSchoolDays) {
    plannerDialogs.printOptions = {1, 1, {0, 1, 0}};
    PrintClass(planner, CrystalReport1);
    ASSERT_TRUE(msg.shown.isEmpty()) << msg.shown.first().text.toStdString();
    const QStringList jobs = jobTexts();
    ASSERT_EQ(jobs.size(), 6);
    EXPECT_IN_ORDER(jobs[0],
                    {"Weekly Lesson Plans", "January 4-10, 2027", "Ms. Alvarez, Science, 3rd period",
                     "Monday, January 4", "1-2-1 Air Takes Up Space", "Tuesday, January 5",
                     "1-2-3 Moving Air Is Wind", "Wednesday, January 6", "Thursday, January 7", "Field Trip",
                     "Friday, January 8", "1-1-1 How Clouds Form", "Saturday/Sunday, January 9-10"});
    const char* titles[] = {"1 Air Takes Up Space", "3 Moving Air Is Wind", "2 Air Has Weight", "Field Trip",
                            "1 How Clouds Form"};
    for (int i = 0; i < 5; ++i) EXPECT_IN_ORDER(jobs[i + 1], {"Lesson Plan", titles[i]});
}

TEST_F(PrintToPdf, AMonthIsOneLandscapePageOfSixWeeksAndThePreviewToo) {
    plannerDialogs.printOptions = {1, 2, {}};
    PrintClass(planner, CrystalReport1);
    ASSERT_EQ(printers.printedFiles().size(), 1);
    const QString pdf = printers.printedFiles().first();
    expectOneMonthPage(pdf, QDate(2027, 1, 1));
    EXPECT_IN_ORDER(rt::pdfPageTexts(pdf).join(u'\n'),
                    {"Monthly Lesson Plans", "January 2027", "Sunday", "Monday", "Tuesday", "Wednesday",
                     "Thursday", "Friday", "Saturday", "1.2.1 Air Takes Up", "Field Trip",
                     "1.1.2 Cloud Types"});
    // The field trip's long text is cut in its cell.
    EXPECT_TRUE(rt::pdfPageTexts(pdf).join(u'\n').contains(u'\u2026'));

    CrystalReport1.setDestination(rt::report_destination::Window);
    CrystalReport1.start();
    EXPECT_EQ(previewPages(), 1);
}

TEST_F(PrintToPdf, AWeekOfLongTextsIsOnePage) {
    QString text;
    for (int i = 1; i <= 60; ++i)
        text += QStringLiteral("Measure the wind again and write it down %1. ").arg(i);
    CourseDB.execute("UPDATE LessonPlans SET Title = '" + text +
                     "' WHERE LPDate BETWEEN '2027-01-04' AND '2027-01-08'");
    plannerDialogs.printOptions = {1, 1, {0, 0, 0}};
    PrintClass(planner, CrystalReport1);
    ASSERT_EQ(printers.printedFiles().size(), 1);
    const QStringList pages = rt::pdfPageTexts(printers.printedFiles().first());
    ASSERT_EQ(pages.size(), 1);
    EXPECT_IN_ORDER(pages.first(), {"Monday, January 4", "Measure the wind", "\u2026", "Friday, January 8",
                                    "Measure the wind", "\u2026", "Saturday/Sunday, January 9-10"});
}

TEST_F(PrintToPdf, EachJobIsTitledByItsOwnReportAfterAMonth) {
    setCurrentDate(rt::day(2027, 1, 31));
    plannerDialogs.printOptions = {1, 2, {0, 0, 1}};
    PrintClass(planner, CrystalReport1);
    plannerDialogs.printOptions = {1, 1, {}};
    PrintClass(planner, CrystalReport1);
    QStringList titles;
    for (const QString& file : printers.printedFiles()) {
        QPdfDocument pdf;
        pdf.load(file);
        titles << pdf.metaData(QPdfDocument::MetaDataField::Title).toString();
    }
    ASSERT_EQ(titles.size(), 13); // the month, its eleven plans, the week
    EXPECT_EQ(titles.first(), "Monthly Lesson Plans");
    for (int i = 1; i <= 11; ++i) EXPECT_EQ(titles[i], "Lesson Plan") << i;
    EXPECT_EQ(titles.last(), "Weekly Lesson Plans");
}

TEST_F(PrintToPdf, APlanShowsItsResourcesWithMinutesAndItsObjectivesRunOverPages) {
    plannerDialogs.printOptions = {1, 0, {}};
    PrintClass(planner, CrystalReport1);
    QString objective;
    for (int i = 1; i <= 300; ++i)
        objective += QStringLiteral("Weigh balloon %1 and write the weight down. ").arg(i);
    CourseDB.execute("UPDATE LessonPlans SET Objective1 = '" + objective +
                     "The end.' WHERE LessonPlanID = 3");
    setCurrentDate(rt::day(2027, 1, 6));
    PrintClass(planner, CrystalReport1);

    ASSERT_EQ(printers.printedFiles().size(), 2);
    EXPECT_IN_ORDER(jobTexts()[0],
                    {"Lesson Plan", "Ms. Alvarez, Science, 3rd period", "Monday January 4, 2027",
                     "1 Air Takes Up Space", "Teaching Resources", "Minutes", "Cup in a Tub", "15",
                     "Science Goals", "Skills", "Predict, observe and explain.", "Local Objective"});
    const QStringList long_ = rt::pdfPageTexts(printers.printedFiles()[1]);
    ASSERT_GE(long_.size(), 2);
    EXPECT_TRUE(long_.first().contains("2 Air Has Weight"));
    EXPECT_TRUE(long_.last().contains("The end."));
}

TEST_F(PrintToPdf, TheObjectivesLayoutPrintsTheCoursesLessonTree) {
    const QString course = CourseDB.name();
    for (int i = 0; i < 3; ++i) CrystalReport1.setDataFile(i, course);
    CrystalReport1.setReportFile(LK_PROGRAM_DIR "/TRDWW01.rpt");
    CrystalReport1.setWindowTitle("Local Objectives Report");
    CrystalReport1.start();
    ASSERT_EQ(printers.printedFiles().size(), 1);
    EXPECT_IN_ORDER(jobTexts()[0],
                    {"Local Objectives Report", "Weather Tools", "1 Thermometers", "1 Reading a Thermometer",
                     "1 Air and Sky", "1 Clouds", "1 How Clouds Form", "Science Goals: Explain that clouds",
                     "Local Objective: Cloud walk on Friday.", "2 What Is Air?", "2 Water on the Move",
                     "1 The Water Cycle", "1 Evaporation", "3 Weather Journal Kickoff",
                     "4 Storm Safety Review", "5 Seasons"});
}

// Every month of the large course's school year, with its longest texts: one page each.
class LargeCourseMonths : public CourseFixture {
protected:
    void SetUp() override {
        CourseFixture::SetUp();
        environment.set("XDG_DATA_HOME", path("data").toStdString());
        course.install(settings);
        ClassFilePath = course.freshClassFile();
        ASSERT_TRUE(AttachClassTables(platform, ClassFilePath));
    }
    void TearDown() override {
        ResetLessonState();
        CourseFixture::TearDown();
    }

    LargeCourse course;
    EnvironmentGuard environment;
    ScriptedDialogs plannerDialogs;
    RecordingMainWindow window;
    Planner planner{platform, plannerDialogs, &window, {}};
    rt::OwnReportEngine CrystalReport1{printers};
};

TEST_F(LargeCourseMonths, EachMonthIsOneLandscapePageWithAllItsDays) {
    const QDate first = LargeCourse::schoolDays().first(), last = LargeCourse::schoolDays().last();
    int months = 0;
    for (QDate month(first.year(), first.month(), 1); month <= last; month = month.addMonths(1), ++months) {
        CurrentLesson = {};
        CurrentLesson.LPDate = rt::daysFromDate(month.addDays(14));
        plannerDialogs.printOptions = {1, 2, {}};
        PrintClass(planner, CrystalReport1);
        ASSERT_TRUE(msg.shown.isEmpty()) << msg.shown.first().text.toStdString();
        ASSERT_EQ(printers.printedFiles().size(), months + 1);
        expectOneMonthPage(printers.printedFiles().last(), month);
    }
    EXPECT_EQ(months, 10);
}

} // namespace
