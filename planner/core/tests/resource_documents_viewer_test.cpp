// Resource documents in the project's own PDF viewer, offscreen, printing into a PDF file.
#include "planner/core/resource_documents.h"
#include "planner/core/testing/scripted_dialogs.h"
#include "planner/data/course_database.h"
#include "planner/data/testing/course_fixture.h"
#include "runtime/pdf/qt_pdf_reader.h"
#include "runtime/pdf/tests/numbered_pdf.h"
#include "runtime/strings.h"
#include "runtime/ui/session_printer.h"
#include "shared/course_settings.h"

#include <QDir>
#include <QMainWindow>
#include <QPdfPageNavigator>
#include <QPdfView>
#include <QPrinter>

namespace {

// A course whose document folder holds one generated five-page document, shown in the real viewer.
class DocumentsInTheViewer : public CourseFixture {
protected:
    void SetUp() override {
        CourseFixture::SetUp();
        CourseSettings.AppTitle = "Weather Watchers Planner";
        CourseSettings.ResPDFRootPath = "pdf/";
        QDir().mkpath(path("cd/pdf"));
        pdftest::writeNumberedPdf(path("cd/pdf/unit.pdf"), 5);
        settings.set(rt::StringTable::get(100), rt::StringTable::get(104) + "\\SAMPLE1", "PDFDir",
                     path("cd/"));
        QPrinter& printer = rt::sessionPrinter();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        res.Title = "Air Takes Up Space";
        res.PDFFile = "unit.pdf";
        res.pdfpagestart = 3;
        res.pdfpageend = 5;
    }

    QMainWindow& viewer() { return dynamic_cast<QMainWindow&>(reader.create()); }
    int shownPage() { return viewer().findChild<QPdfView*>()->pageNavigator()->currentPage(); }

    const QString printed = path("printed.pdf");
    ResourceRecord res;
    rt::QtPdfReader reader;
    rt::Platform viewing{msg, settings, dialogs, clipboard, shell, reader, printers, loop, cursor};
    ScriptedDialogs plannerDialogs;
    Planner planner{viewing, plannerDialogs, nullptr, {}};
};

TEST_F(DocumentsInTheViewer, PagesThreeToFiveOfASharedFileShowPageTwoAndPrintThreePages) {
    CourseSettings.MultiPagePDF = true;
    ViewResource(planner, res);
    EXPECT_TRUE(viewer().isVisible());
    EXPECT_EQ(viewer().windowTitle(), CourseSettings.AppTitle);
    EXPECT_EQ(shownPage(), 2);

    PrintResource(planner, res);
    EXPECT_EQ(pdftest::pageCount(printed), 3);
    EXPECT_FALSE(viewer().isVisible());
    EXPECT_TRUE(msg.shown.isEmpty());
}

TEST_F(DocumentsInTheViewer, ASingleFileIsPrintedWhole) {
    CourseSettings.MultiPagePDF = false;
    PrintResource(planner, res);
    EXPECT_EQ(pdftest::pageCount(printed), 5);
    EXPECT_EQ(shell.calls.size(), 1);
    EXPECT_TRUE(msg.shown.isEmpty());
}

} // namespace
