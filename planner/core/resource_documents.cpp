#include "resource_documents.h"

#include "planner/data/course_database.h"
#include "runtime/error.h"
#include "runtime/program_folder.h"
#include "runtime/shell/file_lookup.h"
#include "runtime/strings.h"
#include "runtime/text.h"
#include "shared/course_settings.h"
#include "shared/installed_course.h"

#include <QFileInfo>

namespace {

const QString unableToConnect = QStringLiteral("Unable to connect to Acrobat.");
const QString installReader = QStringLiteral("You must install Acrobat Exchange to view or print resources.");

void say(Planner& planner, const QString& text) {
    planner.platform.msg.show({text, std::nullopt});
}

// The text of a failure code of the shell; for a help document a missing file names the course's CD.
QString shellErrorText(int code, bool helpDocument) {
    switch (code) {
    case 2:
        return helpDocument
                   ? QStringLiteral("File not found.  Make sure the Kitbright CD-ROM is in the drive.")
                   : QStringLiteral("File not found.  Make sure the correct CD-ROM is in the drive.");
    case 3: return QStringLiteral("Path not found");
    case 5: return QStringLiteral("Access denied");
    case 8: return QStringLiteral("Out of memory");
    case 11:
        return QStringLiteral(
            "Invalid EXE file or error in EXE image.  Please re-install Adobe Acrobat Reader.");
    case 26: return QStringLiteral("A sharing violation occurred");
    case 27:
        return QStringLiteral(
            "Incomplete or invalid file association. Please re-install Adobe Acrobat Reader.");
    case 28: return QStringLiteral("DDE Time out");
    case 29: return QStringLiteral("DDE transaction failed");
    case 30: return QStringLiteral("DDE busy");
    case 31:
        return QStringLiteral(
            "No association for file extension.  You must install Adobe Acrobat Reader to view resources.");
    case 32: return QStringLiteral("DLL not found");
    default: return QStringLiteral("Unknown error");
    }
}

// 1 English, 2 Spanish, 0 cancelled; only a resource with a Spanish document asks.
qint16 chooseLanguage(Planner& planner, const ResourceRecord& res) {
    if (rt::trimSpaces(res.PDFSpanish).isEmpty()) return 1;
    const std::unique_ptr<LanguageDialog> dialog = planner.dialogs.createLanguage();
    dialog->setResourceTitle(res.Title);
    dialog->showModal();
    return dialog->Result();
}

// The loaded course's PDF folder and the configured folder below it; both carry their own separators.
QString documentFolder(Planner& planner) {
    return GetCourseValue(planner.platform.settings, LoadedCourse, QStringLiteral("PDFDir")) +
           CourseSettings.ResPDFRootPath;
}

const QString& documentName(const ResourceRecord& res, qint16 language) {
    return language == 1 ? res.PDFFile : res.PDFSpanish;
}

// The document's path once the file is there, asking for the CD until it is; empty when the user cancels.
QString documentOnDisc(Planner& planner, const ResourceRecord& res, qint16 language) {
    const QString wanted = documentFolder(planner) + documentName(res, language);
    for (;;) {
        const QString path = rt::lookUpPath(wanted);
        if (QFileInfo(path).isFile()) return path;
        const rt::MbAnswer answer =
            planner.platform.msg.show({QStringLiteral("Please insert the correct CD-ROM."),
                                       CourseSettings.AppTitle, rt::MbButtons::OkCancel});
        if (answer == rt::MbAnswer::Cancel) return {};
    }
}

} // namespace

void ViewResource(Planner& planner, const ResourceRecord& res) {
    try {
        const qint16 language = chooseLanguage(planner, res);
        if (CourseSettings.MultiPagePDF) {
            ShowPdfAtPage(planner, res, language);
            return;
        }
        if (language == 0) return;
        const int code = planner.platform.shell.execute(QStringLiteral("open"), documentName(res, language),
                                                        {}, documentFolder(planner), 1);
        if (code <= 32) say(planner, shellErrorText(code, false));
    } catch (const rt::RuntimeError&) {
        say(planner, unableToConnect);
    }
}

void PrintResource(Planner& planner, const ResourceRecord& res) {
    try {
        const qint16 language = chooseLanguage(planner, res);
        if (CourseSettings.MultiPagePDF) {
            PrintPdfPages(planner, res, language);
            return;
        }
        if (language == 0) return;
        const QString file = documentFolder(planner) + documentName(res, language);
        QString reader;
        if (planner.platform.shell.findExecutable(file, rt::programFolder(), &reader) <= 32) {
            say(planner, QStringLiteral("Unknown error"));
            return;
        }
        // Linux readers have no switch that prints a file and ends, so the document is printed here, whole;
        // this returns once the job is with the printer, as waiting for the reader did.
        rt::printWholeDocument(planner.platform.pdf, rt::lookUpPath(file), CourseSettings.AppTitle);
    } catch (const rt::RuntimeError&) {
        say(planner, unableToConnect);
    }
}

void OpenDocument(Planner& planner, const QString& path) {
    try {
        const int code = planner.platform.shell.execute(QStringLiteral("open"), path, {}, {}, 1);
        // Without a desktop program for PDF files, the program shows its help documents itself.
        const QString found = rt::lookUpPath(path);
        if (code == 31 && found.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) &&
            QFileInfo(found).isFile()) {
            rt::PdfApp& app = planner.platform.pdf.create();
            app.show();
            app.activeDoc().open(found, CourseSettings.AppTitle);
            return;
        }
        if (code <= 32) say(planner, shellErrorText(code, true));
    } catch (const rt::RuntimeError&) {
        say(planner, unableToConnect);
    }
}

void ShowPdfAtPage(Planner& planner, const ResourceRecord& res, qint16 language) {
    if (language == 0) return;
    const QString path = documentOnDisc(planner, res, language);
    if (path.isEmpty()) return;
    try {
        rt::PdfApp& app = planner.platform.pdf.create();
        app.show();
        rt::PdfDoc& doc = app.activeDoc();
        doc.open(path, CourseSettings.AppTitle);
        doc.goTo(res.pdfpagestart - 1); // the reader counts pages from 0
    } catch (const rt::RuntimeError& e) {
        say(planner, e.number == 429 ? installReader
                                     : QStringLiteral("Error: ") + QString::number(e.number) +
                                           QStringLiteral(" :") + e.description);
    }
}

void PrintPdfPages(Planner& planner, const ResourceRecord& res, qint16 language) {
    if (language == 0) return;
    const QString path = documentOnDisc(planner, res, language);
    if (path.isEmpty()) return;
    try {
        rt::PdfApp& app = planner.platform.pdf.create();
        rt::PdfDoc& doc = app.activeDoc();
        doc.open(path, CourseSettings.AppTitle);
        doc.printPagesSilent(res.pdfpagestart - 1, res.pdfpageend - 1, 1, true, true);
        app.exit();
    } catch (const rt::RuntimeError& e) {
        if (e.number == 429) say(planner, installReader);
    }
}
