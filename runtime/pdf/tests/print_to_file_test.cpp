#include "numbered_pdf.h"
#include "runtime/pdf/qt_pdf_reader.h"
#include "runtime/ui/session_printer.h"
#include "tests/support/environment_guard.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(SessionPrinter, PrintsIntoThePdfFileThatTheEnvironmentNames) {
    QTemporaryDir dir;
    const QString source = dir.filePath("course.pdf"), printed = dir.filePath("job.pdf");
    pdftest::writeNumberedPdf(source, 3);
    EnvironmentGuard environment;
    environment.set("LARKSPAN_PRINT_TO_PDF", printed.toStdString());
    EXPECT_EQ(rt::sessionPrinter().outputFormat(), QPrinter::PdfFormat);

    rt::QtPdfReader reader;
    rt::PdfDoc& doc = reader.create().activeDoc();
    doc.open(source, "Course");
    doc.printPagesSilent(0, 1, 1, true, true);
    EXPECT_EQ(pdftest::pageCount(printed), 2);
}

} // namespace
