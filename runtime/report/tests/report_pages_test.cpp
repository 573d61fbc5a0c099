#include "bench/large_course.h"
#include "report_files_fixture.h"
#include "runtime/dao/engine.h"
#include "runtime/gui/fitted_lines.h"
#include "runtime/report/own_report_engine.h"
#include "runtime/report/report_writer.h"
#include "runtime/testing/fake_printers.h"
#include "runtime/testing/pdf_text.h"

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>
#include <QPdfDocument>
#include <QPrinter>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTextBlock>
#include <gtest/gtest.h>

namespace {

const QString program = QStringLiteral(LK_PROGRAM_DIR "/");
const QString classFile = QStringLiteral(LK_COURSE_DIR "/fixtures/sample1.lkc");
const QString courseFile = QStringLiteral(LK_COURSE_DIR "/SAMPLE1/SAMPLE1.mdb");
const QString ellipsis = QStringLiteral("\u2026");

TEST(PrintedLines, KeepWhatFitsAndEndWhatIsCutInAnEllipsis) {
    const QImage device(10, 10, QImage::Format_RGB32); // 96 dots an inch, like a screen
    QFont font;
    font.setPixelSize(10);
    const qreal width = QFontMetricsF(font, &device).horizontalAdvance(QStringLiteral("Measure the wind"));
    // As the printed sheets lay a cell's text.
    const auto printed = [&](const QString& text, int maxLines) {
        return rt::fitLines(text, font, &device, width, maxLines, rt::WideWord::Broken).lines;
    };
    const struct {
        const char* text;
        int maxLines;
        QStringList lines;
    } cases[] = {
        {"Air", 3, {"Air"}},
        {"", 2, {""}},
        {"Air\r\nWind", 3, {"Air", "Wind"}},
        {"Air\nWind\rRain", 2, {"Air", "Wind Rain"}},
        {"Measure the wind Measure the wind", 5, {"Measure the wind", "Measure the wind"}},
        // The filler of an empty month day: blank lines cut away lose nothing, so no ellipsis.
        {"\r\n\r\n\r\n\r\n\r\n.", 3, {"", "", "."}},
        {"\r\n\r\n\r\n\r\n\r\n.", 6, {"", "", "", "", "", "."}},
        {"Anything", 0, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(printed(QString::fromUtf8(c.text), c.maxLines), c.lines) << c.text;

    // A long text cut: as many lines as allowed, the last within the width and ending in "…".
    QString longText;
    for (int i = 0; i < 40; ++i) longText += QStringLiteral("Measure the wind again. ");
    const QStringList cut = printed(longText, 3);
    ASSERT_EQ(cut.size(), 3);
    EXPECT_TRUE(cut.last().endsWith(ellipsis)) << cut.last().toStdString();
    for (const QString& line : cut)
        EXPECT_LE(QFontMetricsF(font, &device).horizontalAdvance(line), width + 0.5);
    // A word wider than the line is broken inside it.
    const QStringList word = printed(QString(60, u'W'), 10);
    EXPECT_GT(word.size(), 1);
    EXPECT_EQ(word.join(QString()), QString(60, u'W'));
}

// The engine printing to the fake printers' PDF files, on pages of a chosen size.
class Pages : public ReportFilesFixture {
protected:
    // The scratch database with the class row and these cells, each of `text`.
    QString scratch(const QStringList& captions, const QString& text) {
        const QString path = copy(program + "reports.mdb", "reports.mdb");
        QStringList sql{"INSERT INTO Class VALUES ('Ms. Alvarez', 'Science', '3rd period', 'Span')"};
        for (const QString& caption : captions)
            sql << QStringLiteral("INSERT INTO RptData (LessonDate, Title) VALUES (' %1', '%2')")
                       .arg(caption, text);
        run(path, sql);
        return path;
    }
    // Prints the report on pages of `size` and gives back its PDF file.
    QString print(const QString& reportFile, const QString& data, const QString& formula = {},
                  QPageSize::PageSizeId size = QPageSize::A4) {
        return print(reportFile, {data, data, data, data, data}, formula, size);
    }
    QString print(const QString& reportFile, const std::array<QString, 5>& data, const QString& formula,
                  QPageSize::PageSizeId size = QPageSize::A4) {
        printers.printer().setPageSize(QPageSize(size));
        engine.setReportFile(program + reportFile);
        for (int i = 0; i < 5; ++i) engine.setDataFile(i, data[size_t(i)]);
        engine.setSelectionFormula(formula);
        engine.start();
        return printers.printedFiles().last();
    }
    static QString longText(int sentences) {
        QString text;
        for (int i = 1; i <= sentences; ++i)
            text += QStringLiteral("Measure the wind again and write it down %1. ").arg(i);
        return text;
    }

    rt::FakePrinters printers;
    rt::OwnReportEngine engine{printers};
};

// The lines of each page as a reader gets them (ligatures as their letters), without the page number
// at the foot.
QList<QStringList> pageLines(const QString& pdf) {
    QList<QStringList> pages;
    static const QRegularExpression ends(QStringLiteral("[\r\n]+"));
    for (const QString& text : rt::pdfPageTexts(pdf)) {
        QStringList lines;
        for (const QString& line : text.split(ends))
            if (!line.trimmed().isEmpty()) lines << line.normalized(QString::NormalizationForm_KC).trimmed();
        if (!lines.isEmpty() && lines.last() == QString::number(pages.size() + 1)) lines.removeLast();
        pages << lines;
    }
    return pages;
}

// The headings that a layout writes into its document.
QSet<QString> headingsOf(const rt::ReportJob& job) {
    QSet<QString> headings;
    const rt::Report report = rt::buildReport(job);
    for (QTextBlock b = report.document->begin(); b.isValid(); b = b.next())
        if (b.blockFormat().hasProperty(rt::report_block::HeadingLevel)) headings.insert(b.text().trimmed());
    return headings;
}

QSizeF pageSize(const QString& pdf) {
    QPdfDocument doc;
    doc.load(pdf);
    return doc.pageCount() == 1 ? doc.pagePointSize(0) : QSizeF();
}

TEST_F(Pages, AMonthOfLongTextsIsOneLandscapePageWithEveryDayAndItsTextsCut) {
    QStringList days;
    for (int i = 0; i < 42; ++i) days << QString::number(i % 31 + 1);
    const QString data = scratch(days, longText(30));
    for (const auto size : {QPageSize::A4, QPageSize::Letter}) {
        const QString pdf = print("monthvw.rpt", data, {}, size);
        const QSizeF page = pageSize(pdf);
        ASSERT_TRUE(page.isValid()) << rt::pdfPageTexts(pdf).size() << " pages";
        EXPECT_GT(page.width(), page.height());
        const QString text = rt::pdfPageTexts(pdf).join(u'\n');
        EXPECT_EQ(text.count(ellipsis), 42);
        EXPECT_GE(text.count("Measure the wind"), 42);
        EXPECT_FALSE(text.contains("down 30."));
        for (const char* day : {"Sunday", "Saturday", "31"}) EXPECT_TRUE(text.contains(day)) << day;
    }
}

TEST_F(Pages, AWeekOfLongTextsIsOnePortraitPage) {
    const QString data =
        scratch({"Monday, January 4", "Tuesday, January 5", "Wednesday, January 6", "Thursday, January 7",
                 "Friday, January 8", "Saturday/Sunday, January 9-10"},
                longText(80));
    for (const auto size : {QPageSize::A4, QPageSize::Letter}) {
        const QString pdf = print("weekvw.rpt", data, {}, size);
        const QSizeF page = pageSize(pdf);
        ASSERT_TRUE(page.isValid()) << rt::pdfPageTexts(pdf).size() << " pages";
        EXPECT_LT(page.width(), page.height());
        const QString text = rt::pdfPageTexts(pdf).join(u'\n');
        EXPECT_EQ(text.count(ellipsis), 6);
        EXPECT_TRUE(text.contains("Saturday/Sunday, January 9-10"));
    }
}

TEST_F(Pages, EachPrintedDocumentIsTitledByItsOwnReport) {
    const QString data = scratch({"Monday, January 4"}, "Air");
    engine.setWindowTitle("Month View Report");
    const struct {
        const char* report;
        const char* title;
    } cases[] = {{"monthvw.rpt", "Monthly Lesson Plans"},
                 {"weekvw.rpt", "Weekly Lesson Plans"},
                 {"WW01.rpt", "Lesson Plan"},
                 {"TRDWW01.rpt", "Local Objectives Report"}};
    for (const auto& c : cases) {
        const QString pdf = QString(c.report) == "WW01.rpt"
                                ? print(c.report, {classFile, classFile, classFile, courseFile, courseFile},
                                        "{LessonPlans.LessonPlanID}=1")
                                : print(c.report, QString(c.report).startsWith("TRD") ? courseFile : data);
        QPdfDocument doc;
        doc.load(pdf);
        EXPECT_EQ(doc.metaData(QPdfDocument::MetaDataField::Title).toString(), c.title) << c.report;
    }
}

// No page ends in a heading, and a lesson with its objectives is never split when it fits on a page.
TEST_F(Pages, ObjectivesKeepEachLessonWholeOnAPage) {
    const rt::ReportJob job{program + "TRDWW01.rpt", {courseFile, courseFile, courseFile}, {}, {}};
    const QSet<QString> headings = headingsOf(job);
    ASSERT_TRUE(headings.contains("3 Weather Journal Kickoff"));
    for (const auto size : {QPageSize::A4, QPageSize::Letter, QPageSize::A5}) {
        const QList<QStringList> pages = pageLines(print("TRDWW01.rpt", courseFile, {}, size));
        ASSERT_GE(pages.size(), 2);
        for (qsizetype p = 0; p < pages.size(); ++p) {
            ASSERT_FALSE(pages[p].isEmpty());
            if (p + 1 < pages.size()) {
                EXPECT_FALSE(headings.contains(pages[p].last()))
                    << "page " << p + 1 << " ends in " << pages[p].last().toStdString();
            }
            EXPECT_TRUE(headings.contains(pages[p].first()))
                << "page " << p + 1 << " starts with " << pages[p].first().toStdString();
        }
    }
}

// Hundreds of pages, with a break before most of them: every lesson is printed, each page starts with
// a heading, none ends in one.
TEST_F(Pages, ALargeCoursesObjectivesKeepEveryLessonInPlace) {
    const LargeCourse course;
    const rt::ReportJob job{
        program + "TRDWW01.rpt", {course.database, course.database, course.database}, {}, {}};
    const QSet<QString> headings = headingsOf(job);
    ASSERT_GT(headings.size(), 4000);
    const QList<QStringList> pages = pageLines(print("TRDWW01.rpt", course.database));
    ASSERT_GT(pages.size(), 100);
    for (qsizetype p = 0; p < pages.size(); ++p) {
        ASSERT_TRUE(headings.contains(pages[p].first())) << "page " << p + 1;
        if (p + 1 < pages.size()) {
            ASSERT_FALSE(headings.contains(pages[p].last())) << "page " << p + 1;
        }
    }
    // A reader may join a heading to the line before it, so each is looked for in the whole text.
    QString text;
    for (const QStringList& page : pages) text += page.join(u'\n') + u'\n';
    int missing = 0;
    for (const QString& heading : headings) missing += text.contains(heading) ? 0 : 1;
    EXPECT_EQ(missing, 0);
}

// A plan whose first objective grows word by word: the next objective's caption moves with its text.
TEST_F(Pages, ALessonPlanNeverLeavesACaptionAloneAtAPageFoot) {
    const QString plans = copy(classFile, "long.lkc");
    const rt::ReportJob job{program + "WW01.rpt",
                            {plans, plans, plans, courseFile, courseFile},
                            "{LessonPlans.LessonPlanID}=1",
                            {}};
    const QSet<QString> headings = headingsOf(job);
    ASSERT_TRUE(headings.contains("Skills"));
    const QStringList words = longText(100).split(u' ');
    for (qsizetype count = 700; count <= 800; count += 4) {
        run(plans, {QStringLiteral("UPDATE LessonPlans SET Objective1 = '%1' WHERE LessonPlanID = 1")
                        .arg(words.first(count).join(u' '))});
        const QList<QStringList> pages =
            pageLines(print("WW01.rpt", job.dataFiles, job.formula, QPageSize::A5));
        for (qsizetype p = 0; p + 1 < pages.size(); ++p) {
            EXPECT_FALSE(headings.contains(pages[p].last()))
                << count << " words: page " << p + 1 << " ends in " << pages[p].last().toStdString();
        }
    }
}

} // namespace
