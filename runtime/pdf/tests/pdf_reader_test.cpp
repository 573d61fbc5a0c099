#include "numbered_pdf.h"
#include "runtime/error.h"
#include "runtime/pdf/qt_pdf_reader.h"
#include "runtime/testing/error_of.h"
#include "runtime/ui/session_printer.h"

#include <QFile>
#include <QMainWindow>
#include <QPdfPageNavigator>
#include <QPdfView>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

using pdftest::pageCount;
using pdftest::writeNumberedPdf;

// A small grey picture of the page, for telling pages apart by their look.
QImage thumbnail(QPdfDocument& doc, int page) {
    const QSize size(42, 60);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).drawImage(0, 0, doc.render(page, size));
    return image.convertToFormat(QImage::Format_Grayscale8);
}

qint64 distance(const QImage& a, const QImage& b) {
    qint64 sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(a.pixelColor(x, y).value() - b.pixelColor(x, y).value());
    return sum;
}

// For each page of the printed file, the number (from 1) of the original page it looks most like. Each
// page is rendered once.
QList<int> originalsOf(const QString& printed, const QString& original) {
    QPdfDocument out, in;
    out.load(printed);
    in.load(original);
    QList<QImage> originals;
    for (int q = 0; q < in.pageCount(); ++q) originals.append(thumbnail(in, q));
    QList<int> numbers;
    for (int p = 0; p < out.pageCount(); ++p) {
        const QImage look = thumbnail(out, p);
        const auto closer = [&](const QImage& a, const QImage& b) {
            return distance(look, a) < distance(look, b);
        };
        numbers.append(int(std::min_element(originals.begin(), originals.end(), closer) - originals.begin()) +
                       1);
    }
    return numbers;
}

class QtPdfReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        writeNumberedPdf(source, 5);
        QPrinter& printer = rt::sessionPrinter();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setFullPage(true);
        // The printed pages are told apart by their look, which needs no printer's resolution: at 72 dpi
        // a page is rendered, written and read back in a small part of the time that 300 dpi takes.
        printer.setResolution(72);
    }

    static QMainWindow& windowOf(rt::PdfApp& app) { return dynamic_cast<QMainWindow&>(app); }
    static int currentPage(rt::PdfApp& app) {
        return windowOf(app).findChild<QPdfView*>()->pageNavigator()->currentPage();
    }

    QTemporaryDir dir;
    const QString source = dir.filePath("course.pdf"), printed = dir.filePath("printed.pdf");
    rt::QtPdfReader reader;
};

TEST_F(QtPdfReaderTest, OpenTitlesTheOneWindowShowRaisesItExitClosesIt) {
    rt::PdfApp& app = reader.create();
    app.activeDoc().open(source, "Kitbright Math");
    QMainWindow& window = windowOf(app);
    EXPECT_EQ(window.windowTitle(), "Kitbright Math");
    EXPECT_FALSE(window.isVisible());
    app.show();
    EXPECT_TRUE(window.isVisible());
    app.exit();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(&reader.create(), &app);
}

TEST_F(QtPdfReaderTest, GoToShowsThePageCountedFromZeroWithinTheDocument) {
    rt::PdfApp& app = reader.create();
    app.show();
    app.activeDoc().open(source, "Course");
    const struct { int page0, shown; } cases[] = {{2, 2}, {0, 0}, {4, 4}, {-1, 0}, {9, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.page0);
        app.activeDoc().goTo(c.page0);
        EXPECT_EQ(currentPage(app), c.shown);
    }
}

TEST_F(QtPdfReaderTest, PrintsTheChosenPagesCountedFromZeroWithinTheDocument) {
    const struct {
        int first0, last0;
        QList<int> printedNumbers;
    } cases[] = {
        {2, 4, {3, 4, 5}},
        {-1, 1, {1, 2}},
        {3, 99, {4, 5}},
        {1, 1, {2}},
    };
    rt::PdfDoc& doc = reader.create().activeDoc();
    doc.open(source, "Lesson 12");
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.first0 << " to " << c.last0);
        QFile::remove(printed);
        doc.printPagesSilent(c.first0, c.last0, 1, true, true);
        EXPECT_EQ(pageCount(printed), c.printedNumbers.size());
        EXPECT_EQ(originalsOf(printed, source), c.printedNumbers);
    }
    QPdfDocument out;
    out.load(printed);
    EXPECT_EQ(out.metaData(QPdfDocument::MetaDataField::Title).toString(), "Lesson 12");
}

TEST_F(QtPdfReaderTest, NoPageLeftToPrintIsAnErrorAndPrintsNothing) {
    rt::PdfDoc& doc = reader.create().activeDoc();
    doc.open(source, "Course");
    EXPECT_EQ(rt::errorOf([&] { doc.printPagesSilent(5, 9, 1, true, true); }), 5);
    EXPECT_EQ(rt::errorOf([&] { doc.printPagesSilent(3, 2, 1, true, true); }), 5);
    EXPECT_FALSE(QFile::exists(printed));
}

TEST_F(QtPdfReaderTest, ShrinkToFitScalesALargerPageIntoThePaper) {
    const QString large = dir.filePath("large.pdf");
    writeNumberedPdf(large, 1, QPageSize::A3);
    rt::PdfDoc& doc = reader.create().activeDoc();
    doc.open(large, "Poster");
    QPdfDocument in;
    in.load(large);

    doc.printPagesSilent(0, 0, 1, true, true);
    QPdfDocument shrunk;
    shrunk.load(printed);
    const qint64 whole = distance(thumbnail(shrunk, 0), thumbnail(in, 0));

    doc.printPagesSilent(0, 0, 1, true, false);
    QPdfDocument actual;
    actual.load(printed);
    const qint64 cut = distance(thumbnail(actual, 0), thumbnail(in, 0));

    EXPECT_LT(whole * 4, cut);
}

TEST_F(QtPdfReaderTest, PrintingAWholeDocumentPrintsEveryPageAndClosesTheReader) {
    rt::PdfApp& app = reader.create();
    app.show();
    rt::printWholeDocument(reader, source, "Unit 3");
    EXPECT_EQ(originalsOf(printed, source), (QList<int>{1, 2, 3, 4, 5}));
    EXPECT_FALSE(windowOf(app).isVisible());
}

TEST_F(QtPdfReaderTest, AFileThatCannotBeLoadedIsAnErrorWithTheReason) {
    const QString notPdf = dir.filePath("notes.pdf");
    QFile file(notPdf);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("plain text, no PDF");
    file.close();
    const struct {
        QString path;
        int number;
        QString reason;
    } cases[] = {
        {dir.filePath("missing.pdf"), 53, "File not found"},
        {notPdf, 75, "Invalid file format"},
    };
    rt::PdfDoc& doc = reader.create().activeDoc();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        try {
            doc.open(c.path, "Course");
            ADD_FAILURE() << "no error";
        } catch (const rt::RuntimeError& e) {
            EXPECT_EQ(e.number, c.number);
            EXPECT_TRUE(e.description.startsWith(c.reason)) << e.description.toStdString();
        }
        EXPECT_EQ(rt::errorOf([&] { doc.printPagesSilent(0, 0, 1, true, true); }), 53);
    }
    EXPECT_FALSE(QFile::exists(printed));
}

} // namespace
