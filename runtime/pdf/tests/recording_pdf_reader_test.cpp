#include "runtime/testing/error_of.h"
#include "runtime/testing/recording_pdf_reader.h"

#include <gtest/gtest.h>

namespace {

TEST(RecordingPdfReader, LogsEveryCallWithItsArguments) {
    rt::RecordingPdfReader reader;
    rt::PdfApp& app = reader.create();
    app.show();
    rt::PdfDoc& doc = app.activeDoc();
    doc.open("/cd/Math.pdf", "Kitbright Math");
    doc.goTo(2);
    doc.printPagesSilent(2, 4, 1, true, false);
    app.exit();
    EXPECT_EQ(reader.calls, (QStringList{"create", "show", "activeDoc", "open(/cd/Math.pdf, Kitbright Math)",
                                         "goTo(2)", "printPagesSilent(2, 4, 1, true, false)", "exit"}));
}

TEST(RecordingPdfReader, ThrowsOnceAtTheChosenCallAfterLoggingIt) {
    rt::RecordingPdfReader reader;
    reader.failAt("create");
    try {
        reader.create();
        ADD_FAILURE() << "no error";
    } catch (const rt::RuntimeError& e) {
        EXPECT_EQ(e.number, 429);
        EXPECT_EQ(e.description, "ActiveX component can't create object");
    }
    reader.failAt("open", 1001, "Cannot open the file");
    rt::PdfDoc& doc = reader.create().activeDoc();
    EXPECT_EQ(rt::errorOf([&] { doc.open("/cd/a.pdf", "T"); }), 1001);
    EXPECT_EQ(rt::errorOf([&] { doc.open("/cd/a.pdf", "T"); }), 0);
    EXPECT_EQ(reader.calls,
              (QStringList{"create", "create", "activeDoc", "open(/cd/a.pdf, T)", "open(/cd/a.pdf, T)"}));
}

TEST(PrintWholeDocument, OpensPrintsToTheLastPageAndExits) {
    rt::RecordingPdfReader reader;
    rt::printWholeDocument(reader, "/cd/Unit 3.pdf", "Unit 3");
    EXPECT_EQ(reader.calls, (QStringList{"create", "activeDoc", "open(/cd/Unit 3.pdf, Unit 3)",
                                         "printPagesSilent(0, 2147483647, 1, true, true)", "exit"}));
}

} // namespace
