#include "planner/core/resource_documents.h"
#include "planner/core/testing/scripted_dialogs.h"
#include "planner/data/course_database.h"
#include "planner/data/testing/course_fixture.h"
#include "runtime/program_folder.h"
#include "runtime/shell/shell.h"
#include "runtime/strings.h"
#include "shared/course_settings.h"
#include "tests/support/environment_guard.h"

#include <QDir>
#include <QFile>
#include <functional>

namespace {

using Call = rt::ScriptedShell::Call;

ResourceRecord resource(const QString& title, const QString& file, const QString& spanish = {},
                        qint16 first = 0, qint16 last = 0) {
    ResourceRecord res;
    res.ResourceID = 1;
    res.Title = title;
    res.PDFFile = file;
    res.PDFSpanish = spanish;
    res.pdfpagestart = first;
    res.pdfpageend = last;
    return res;
}

const ResourceRecord airSky =
    resource("Air Takes Up Space: Teacher Notes", "airsky.pdf", "airsky_es.pdf", 3, 5);
const ResourceRecord bundles = resource("Bundles of Ten: Teacher Notes", "bundles.pdf");

rt::MbRequest plain(const QString& text) {
    return {text, std::nullopt};
}

// The sample courses as installed, with the planner's dialogs scripted. SAMPLE1 keeps its resources as
// page ranges of shared files, SAMPLE0 one file per resource.
class ResourceDocuments : public CourseFixture {
protected:
    void SetUp() override {
        CourseFixture::SetUp();
        useCourse("SAMPLE1");
    }
    void useCourse(const QString& key) {
        LoadedCourse = key;
        ReadCourseConfig(msg, QStringLiteral(LK_COURSE_DIR "/") + key + u'/' + key + QStringLiteral(".cfg"));
        ASSERT_TRUE(msg.shown.isEmpty());
    }
    // The folder that the course's installation names for its documents.
    void installDocumentsIn(const QString& folder) {
        settings.set(rt::StringTable::get(100), rt::StringTable::get(104) + "\\SAMPLE1", "PDFDir", folder);
    }
    static QString documents(const QString& course) {
        return QStringLiteral(LK_COURSE_DIR "/") + course + "/pdf/";
    }
    QString opened(const QString& path) const {
        return "open(" + path + ", " + CourseSettings.AppTitle + ")";
    }

    ScriptedDialogs plannerDialogs;
    Planner planner{platform, plannerDialogs, nullptr, {}};
};

TEST_F(ResourceDocuments, EveryShellCodeShowsItsText) {
    useCourse("SAMPLE0");
    const QString missing = "File not found.  Make sure the correct CD-ROM is in the drive.";
    const QString unknown = "Unknown error";
    const struct {
        int code;
        QString text, helpText;
    } cases[] = {
        {2, missing, "File not found.  Make sure the Kitbright CD-ROM is in the drive."},
        {3, "Path not found", {}},
        {5, "Access denied", {}},
        {8, "Out of memory", {}},
        {11, "Invalid EXE file or error in EXE image.  Please re-install Adobe Acrobat Reader.", {}},
        {26, "A sharing violation occurred", {}},
        {27, "Incomplete or invalid file association. Please re-install Adobe Acrobat Reader.", {}},
        {28, "DDE Time out", {}},
        {29, "DDE transaction failed", {}},
        {30, "DDE busy", {}},
        {31,
         "No association for file extension.  You must install Adobe Acrobat Reader to view resources.",
         {}},
        {32, "DLL not found", {}},
        {0, unknown, {}},
        {1, unknown, {}},
        {4, unknown, {}},
        {25, unknown, {}},
        {-1, unknown, {}},
        {33, {}, {}},
        {42, {}, {}},
    };
    // A help document that is not there, so that the shell's every answer is told.
    const QString help = rt::programFolder() + "/NoSuchHelp.pdf";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        msg.shown.clear();
        shell.calls.clear();
        shell.codes = {c.code, c.code};
        ViewResource(planner, bundles);
        OpenDocument(planner, help);
        EXPECT_EQ(shell.calls, (QList<Call>{{"open", "bundles.pdf", {}, documents("SAMPLE0"), {}, 1},
                                            {"open", help, {}, {}, {}, 1}}));
        QList<rt::MbRequest> expected;
        if (!c.text.isEmpty()) expected = {plain(c.text), plain(c.helpText.isEmpty() ? c.text : c.helpText)};
        EXPECT_EQ(msg.shown, expected);
    }
    EXPECT_TRUE(pdf.calls.isEmpty());
    EXPECT_TRUE(plannerDialogs.log.isEmpty());
}

// A desktop with no program for PDF files: the help documents open in the program's own reader, by
// the name found on disk; a document that is missing is told as the shell tells it.
TEST_F(ResourceDocuments, HelpOpensInTheOwnReaderWhenTheDesktopHasNoPdfProgram) {
    EnvironmentGuard environment;
    for (const char* name : {"XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"})
        environment.set(name, path("empty-desktop").toStdString());
    environment.set("HOME", path("empty-desktop").toStdString());
    environment.unset("XDG_CURRENT_DESKTOP");
    QDir().mkpath(path("empty-desktop"));
    ASSERT_TRUE(QFile::copy(documents("SAMPLE1") + "water.pdf", path("makelp.pdf")));
    rt::LinuxShell desktop;
    rt::Platform withDesktop{msg, settings, dialogs, clipboard, desktop, pdf, printers, loop, cursor};
    Planner onDesktop{withDesktop, plannerDialogs, nullptr, {}};

    OpenDocument(onDesktop, path("MakeLP.PDF"));
    EXPECT_TRUE(msg.shown.isEmpty());
    EXPECT_EQ(pdf.calls, (QStringList{"create", "show", "activeDoc", opened(path("makelp.pdf"))}));

    pdf.calls.clear();
    OpenDocument(onDesktop, path("Month.pdf"));
    EXPECT_EQ(msg.shown, QList<rt::MbRequest>{
                             plain("File not found.  Make sure the Kitbright CD-ROM is in the drive.")});
    EXPECT_TRUE(pdf.calls.isEmpty());
}

TEST_F(ResourceDocuments, OnlyASpanishDocumentAsksForTheLanguage) {
    useCourse("SAMPLE0");
    const struct {
        QString spanish;
        std::deque<qint16> answers;
        QString opened; // empty: nothing is opened
    } cases[] = {
        {"", {}, "bundles.pdf"},
        {"    ", {}, "bundles.pdf"},
        {"bundles_es.pdf", {1}, "bundles.pdf"},
        {"bundles_es.pdf", {2}, "bundles_es.pdf"},
        {" bundles_es.pdf", {2}, " bundles_es.pdf"},
        {"bundles_es.pdf", {0}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.spanish.toStdString());
        shell.calls.clear();
        plannerDialogs.log.clear();
        plannerDialogs.resourceTitles.clear();
        plannerDialogs.languageResults = c.answers;
        ResourceRecord res = bundles;
        res.PDFSpanish = c.spanish;
        ViewResource(planner, res);
        const bool asked = !c.answers.empty();
        EXPECT_EQ(plannerDialogs.log, asked ? QStringList{"Language"} : QStringList{});
        EXPECT_EQ(plannerDialogs.resourceTitles, asked ? QStringList{bundles.Title} : QStringList{});
        const QList<Call> opened{{"open", c.opened, {}, documents("SAMPLE0"), {}, 1}};
        EXPECT_EQ(shell.calls, c.opened.isEmpty() ? QList<Call>{} : opened);
    }
    EXPECT_TRUE(msg.shown.isEmpty());
}

TEST_F(ResourceDocuments, CancelInTheLanguageDialogDoesNothing) {
    ResourceRecord withSpanish = bundles;
    withSpanish.PDFSpanish = "bundles_es.pdf";
    for (const QString course : {"SAMPLE1", "SAMPLE0"}) {
        useCourse(course);
        for (const auto& procedure : {ViewResource, PrintResource}) {
            plannerDialogs.languageResults = {0};
            procedure(planner, course == "SAMPLE1" ? airSky : withSpanish);
        }
    }
    EXPECT_EQ(plannerDialogs.log, QStringList(4, "Language"));
    EXPECT_TRUE(shell.calls.isEmpty());
    EXPECT_TRUE(pdf.calls.isEmpty());
    EXPECT_TRUE(msg.shown.isEmpty());
}

TEST_F(ResourceDocuments, SharedFilesShowAndPrintTheResourcesPagesCountedFromZero) {
    plannerDialogs.languageResults = {1, 2};
    ViewResource(planner, airSky);
    EXPECT_EQ(pdf.calls, (QStringList{"create", "show", "activeDoc",
                                      opened(documents("SAMPLE1") + "airsky.pdf"), "goTo(2)"}));
    pdf.calls.clear();
    PrintResource(planner, airSky);
    EXPECT_EQ(pdf.calls, (QStringList{"create", "activeDoc", opened(documents("SAMPLE1") + "airsky_es.pdf"),
                                      "printPagesSilent(2, 4, 1, true, true)", "exit"}));
    EXPECT_EQ(plannerDialogs.resourceTitles, QStringList(2, airSky.Title));
    EXPECT_TRUE(shell.calls.isEmpty());
    EXPECT_TRUE(msg.shown.isEmpty());
}

// A message box that runs a step when it has been answered a given number of times.
class CdDrive : public rt::RecordingMessageBox {
public:
    rt::MbAnswer show(const rt::MbRequest& request) override {
        const rt::MbAnswer answer = RecordingMessageBox::show(request);
        if (shown.size() == insertAfter && insert) insert();
        return answer;
    }
    qsizetype insertAfter = 0;
    std::function<void()> insert;
};

TEST_F(ResourceDocuments, TheCdPromptRepeatsUntilTheDocumentIsThereOrCancel) {
    CdDrive drive;
    rt::Platform withDrive{drive, settings, dialogs, clipboard, shell, pdf, printers, loop, cursor};
    Planner onDrive{withDrive, plannerDialogs, nullptr, {}};
    const QString cd = path("cd/");
    installDocumentsIn(cd);
    const QString document = cd + "pdf/airsky.pdf";
    const rt::MbRequest prompt{"Please insert the correct CD-ROM.", CourseSettings.AppTitle,
                               rt::MbButtons::OkCancel};
    const struct {
        void (*procedure)(Planner&, const ResourceRecord&);
        std::deque<rt::MbAnswer> answers;
        qsizetype insertAfter; // 0: the CD never comes
        QStringList reader;
    } cases[] = {
        {ViewResource,
         {rt::MbAnswer::Ok, rt::MbAnswer::Ok, rt::MbAnswer::Ok},
         3,
         {"create", "show", "activeDoc", opened(document), "goTo(2)"}},
        {PrintResource,
         {rt::MbAnswer::Ok},
         1,
         {"create", "activeDoc", opened(document), "printPagesSilent(2, 4, 1, true, true)", "exit"}},
        {ViewResource, {rt::MbAnswer::Ok, rt::MbAnswer::Ok, rt::MbAnswer::Cancel}, 0, {}},
        {PrintResource, {rt::MbAnswer::Cancel}, 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answers.size());
        QDir(cd).removeRecursively();
        drive.shown.clear();
        drive.answers = c.answers;
        drive.insertAfter = c.insertAfter;
        drive.insert = [&] {
            QDir().mkpath(cd + "pdf");
            QFile::copy(documents("SAMPLE1") + "airsky.pdf", document);
        };
        pdf.calls.clear();
        plannerDialogs.languageResults = {1};
        c.procedure(onDrive, airSky);
        EXPECT_EQ(drive.shown,
                  QList<rt::MbRequest>(qMax(c.insertAfter, qsizetype(c.answers.size())), prompt));
        EXPECT_EQ(pdf.calls, c.reader);
    }
}

TEST_F(ResourceDocuments, ReaderFailuresAreToldAsEachProcedureTellsThem) {
    const QString install = "You must install Acrobat Exchange to view or print resources.";
    const struct {
        QString course;
        void (*procedure)(Planner&, const ResourceRecord&);
        QString member;
        int number;
        QString description;
        QList<rt::MbRequest> shown;
    } cases[] = {
        {"SAMPLE1", ViewResource, "create", 429, {}, {plain(install)}},
        {"SAMPLE1", PrintResource, "create", 429, {}, {plain(install)}},
        {"SAMPLE1", ViewResource, "goTo", 429, {}, {plain(install)}},
        {"SAMPLE1",
         ViewResource,
         "open",
         75,
         "Invalid file format",
         {plain("Error: 75 :Invalid file format")}},
        {"SAMPLE1", PrintResource, "open", 75, "Invalid file format", {}},
        {"SAMPLE1", PrintResource, "printPagesSilent", 5, {}, {}},
        {"SAMPLE0", PrintResource, "create", 429, {}, {plain("Unable to connect to Acrobat.")}},
        {"SAMPLE0",
         PrintResource,
         "open",
         75,
         "Invalid file format",
         {plain("Unable to connect to Acrobat.")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.course + " " + c.member).toStdString());
        msg.shown.clear();
        useCourse(c.course);
        pdf.calls.clear();
        pdf.failAt(c.member, c.number, c.description);
        plannerDialogs.languageResults = {1};
        c.procedure(planner, c.course == "SAMPLE1" ? airSky : bundles);
        EXPECT_EQ(msg.shown, c.shown);
        EXPECT_FALSE(pdf.calls.contains("exit"));
    }
}

TEST_F(ResourceDocuments, SingleFilesPrintWholeOnceAProgramIsAssociated) {
    useCourse("SAMPLE0");
    PrintResource(planner, bundles);
    const QString file = documents("SAMPLE0") + "bundles.pdf";
    EXPECT_EQ(shell.calls, (QList<Call>{{"find", file, {}, rt::programFolder(), {}, 0}}));
    EXPECT_EQ(
        pdf.calls,
        (QStringList{"create", "activeDoc", opened(file),
                     "printPagesSilent(0, " + QString::number(rt::lastPage) + ", 1, true, true)", "exit"}));
    EXPECT_TRUE(msg.shown.isEmpty());

    for (const int code : {31, 2, 0}) {
        pdf.calls.clear();
        shell.codes = {code};
        PrintResource(planner, bundles);
        EXPECT_EQ(msg.shown.takeLast(), plain("Unknown error"));
        EXPECT_TRUE(pdf.calls.isEmpty());
    }
}

// Configured folders and course data written for Windows, and names with quotes and blanks, reach the
// reader as the one file they name.
TEST_F(ResourceDocuments, DocumentsAreFoundAsTheShellFindsThem) {
    const QString cd = path("Course CD/");
    QDir().mkpath(cd + "Pdf");
    const QString quoted = cd + "Pdf/Unit \"1\" it's.pdf";
    ASSERT_TRUE(QFile::copy(documents("SAMPLE1") + "airsky.pdf", quoted));
    installDocumentsIn(cd);
    CourseSettings.ResPDFRootPath = "pdf\\";
    for (const QString& name : {QString("UNIT \"1\" IT'S.PDF"), QString("Unit \"1\" it's.pdf")}) {
        pdf.calls.clear();
        ResourceRecord res = resource("Unit 1", name, {}, 1, 1);
        ViewResource(planner, res);
        PrintResource(planner, res);
        EXPECT_EQ(pdf.calls, (QStringList{"create", "show", "activeDoc", opened(quoted), "goTo(0)", "create",
                                          "activeDoc", opened(quoted),
                                          "printPagesSilent(0, 0, 1, true, true)", "exit"}));
    }
    EXPECT_TRUE(msg.shown.isEmpty());
}

} // namespace
