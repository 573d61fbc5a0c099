#include "numbered_pdf.h"
#include "runtime/pdf/qt_pdf_reader.h"
#include "runtime/ui/qt_printers.h"
#include "tests/support/environment_guard.h"

#include <QDir>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(SessionPrinter, WritesEachJobToTheNextNumberedFileOfTheFolderThatTheEnvironmentNames) {
    QTemporaryDir dir;
    const QString source = dir.filePath("course.pdf"), printed = dir.filePath("printed");
    pdftest::writeNumberedPdf(source, 3);
    EnvironmentGuard environment;
    environment.set("LARKSPAN_PRINT_TO_PDF", printed.toStdString());
    rt::QtPrinters printers;
    EXPECT_GE(printers.installedCount(), 1);
    EXPECT_TRUE(printers.hasDefault());
    EXPECT_EQ(printers.printer().outputFormat(), QPrinter::PdfFormat);

    rt::QtPdfReader reader;
    rt::PdfDoc& doc = reader.create().activeDoc();
    doc.open(source, "Course");
    doc.printPagesSilent(0, 1, 1, true, true);
    doc.printPagesSilent(2, 2, 1, true, true);
    EXPECT_EQ(QDir(printed).entryList(QDir::Files), QStringList({"job-001.pdf", "job-002.pdf"}));
    EXPECT_EQ(pdftest::pageCount(printed + "/job-001.pdf"), 2);
    EXPECT_EQ(pdftest::pageCount(printed + "/job-002.pdf"), 1);
}

} // namespace
