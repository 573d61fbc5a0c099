#include "editor_fixture.h"
#include "objectives_editor/about_box.h"
#include "objectives_editor/course_database.h"
#include "objectives_editor/editor_window.h"
#include "objectives_editor/menu_window.h"
#include "runtime/outside/richtext/rich_text_box.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

class MenuWindow : public EditorFixture {
public:
    frmMenu& menu() { return *frmMenu::instance(); }
    template <class W> W* child(const char* name) { return menu().findChild<W*>(QLatin1String(name)); }
    // Runs `inside` on the next modal window once it is shown, from within its modal loop.
    void whenModal(std::function<void(QWidget&)> inside) {
        watch.disconnect();
        QObject::connect(&watch, &QTimer::timeout, [this, inside] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible()) return;
            watch.stop();
            inside(*modal);
            // A failed step must not leave the modal loop running.
            if (modal->isVisible()) modal->close();
        });
        watch.start(5);
    }

    // Opens the editor window and closes it again, so that it is loaded and hidden.
    frmTRD* loadEditorWindow() {
        whenModal([](QWidget& window) { window.close(); });
        child<QPushButton>("cmdEdit")->click();
        return menu().editorWindow();
    }
    QString objectives() {
        return courseValue(QStringLiteral(
            "SELECT group_concat(TreeID || ':' || COALESCE(Objective5, '(Null)'), '|') FROM LessonTree"));
    }
    QString writeFile(const QByteArray& bytes) {
        const QString path = dir.filePath(QStringLiteral("chosen.lko"));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }

    QTimer watch;
};

// The exchange file's dialogs: in the program's folder, long names, the path must exist, another
// extension allowed, read-only hidden, a prompt before overwriting.
rt::FileDialogRequest exchangeDialog(const char* title, const char* fileName, const char* filter) {
    return {QString::fromLatin1(title),
            QString::fromLatin1(filter),
            QStringLiteral(".lko"),
            QStringLiteral(LK_PROGRAM_DIR),
            QString::fromLatin1(fileName),
            1,
            0x200C07};
}

TEST_F(MenuWindow, LoadsCaptionsAndColour) {
    ASSERT_TRUE(start());
    EXPECT_EQ(menu().windowTitle(), "Tallyreed  Science");
    const std::pair<const char*, const char*> texts[] = {{"cmdEdit", "&Tallyreed"},
                                                         {"cmdImport", "&Import Local Objectives"},
                                                         {"cmdExport", "&Export Local Objectives"},
                                                         {"cmdExit", "E&xit"}};
    for (const auto& [name, text] : texts) EXPECT_EQ(child<QPushButton>(name)->text(), text) << name;
    EXPECT_EQ(child<QLabel>("lbl1")->text(), "View, create, or modify local objectives.");
    EXPECT_EQ(child<QLabel>("lbl2")->text(),
              "Update your course objectives with an existing objectives file.");
    EXPECT_EQ(child<QLabel>("lbl3")->text(), "Create a local objectives file that others can import.");
    EXPECT_EQ(child<QAction>("mnuHowTRD")->text(), "How to use the Tallyreed..");
    for (const char* name : {"cmdEdit", "cmdImport", "cmdExport", "lbl2", "lbl3"})
        EXPECT_TRUE(child<QWidget>(name)->isEnabled()) << name;
    for (const char* name : {"mnuImport", "mnuExport"})
        EXPECT_TRUE(child<QAction>(name)->isEnabled()) << name;
    for (const char* name : {"lbl1", "lbl2", "lbl3"})
        EXPECT_EQ(child<QLabel>(name)->palette().color(QPalette::Window), QColor(204, 229, 255)) << name;
    EXPECT_EQ(menu().size(), QSize(518, 363));
    EXPECT_EQ(child<QPushButton>("cmdExit")->geometry(), QRect(416, 288, 89, 25));
}

TEST_F(MenuWindow, AColourThatIsNoThreeNumbersKeepsTheDefault) {
    for (const char* line : {"", "COLORVALUE3|\r\n", "COLORVALUE3|sky blue\r\n", "COLORVALUE3|12,40\r\n"}) {
        SCOPED_TRACE(line);
        QFile file(dir.filePath(QStringLiteral("plain.cfg")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("SUBJECT|Science\r\n") + line);
        file.close();
        install(QStringLiteral("PLAIN"), file.fileName());
        ASSERT_TRUE(start(QStringLiteral("PLAIN")));
        EXPECT_EQ(child<QLabel>("lbl1")->palette().color(QPalette::Window),
                  QWidget().palette().color(QPalette::Window));
        EXPECT_EQ(messages(), "");
        stop();
    }
}

TEST_F(MenuWindow, HelpDocumentsOpenBesideTheProgram) {
    struct Case {
        const char* item;
        QString file;
        int code;
        QString message;
    };
    const Case cases[] = {
        {"mnuLocalHelp", "TRD.PDF", 42, ""},
        {"mnuHowTRD", "HowTRD.pdf", 42, ""},
        {"mnuLocalHelp", "TRD.PDF", 31,
         "Unable to launch the Acrobat Reader for this Help file. | Tallyreed"},
        {"mnuHowTRD", "HowTRD.pdf", 2, "Unable to launch the Acrobat Reader for this Help file. | Tallyreed"},
    };
    ASSERT_TRUE(start());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        EXPECT_TRUE(QFile::exists(QStringLiteral(LK_PROGRAM_DIR "/") + c.file));
        shell.calls.clear();
        msg.shown.clear();
        shell.codes = {c.code};
        child<QAction>(c.item)->trigger();
        ASSERT_EQ(shell.calls.size(), 1);
        EXPECT_EQ(shell.calls[0], (rt::ScriptedShell::Call{"open", c.file, "", LK_PROGRAM_DIR, {}, 1}));
        EXPECT_EQ(messages(), c.message);
        for (const rt::MbRequest& shown : msg.shown) EXPECT_EQ(shown.icon, rt::MbIcon::Information);
    }
}

TEST_F(MenuWindow, TheAboutBoxShowsTheEditorsTitleVersionAndFolder) {
    ASSERT_TRUE(start());
    QString title, info, diagnostics, text;
    whenModal([&](QWidget& about) {
        title = about.windowTitle();
        text = about.findChild<rt::RichTextBox*>("rtb1")->text();
        info = about.findChild<QLabel*>("lblInfo")->text();
        QTest::mouseDClick(about.findChild<QLabel*>("imgHidden"), Qt::LeftButton);
        diagnostics = about.findChild<QLabel*>("lblInfo")->text();
        about.findChild<QPushButton*>("cmdOK")->click();
    });
    child<QAction>("mnuAbout")->trigger();
    EXPECT_EQ(title, "Weather Watchers Objectives");
    EXPECT_FALSE(text.isEmpty());
    EXPECT_EQ(
        info,
        "Weather Watchers Objectives v. 2.0\nCopyright \u00a9 2000 Larkspan Sample Press and its licensees. "
        "All rights reserved.");
    EXPECT_EQ(diagnostics, "TRD\nVersion : 2.0.0  \nApplication Path is " LK_PROGRAM_DIR "\n");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MenuWindow, EditOpensTheEditorWindowModallyAndKeepsItBetweenOpenings) {
    ASSERT_TRUE(start());
    QPushButton* cmdEdit = child<QPushButton>("cmdEdit");
    bool disabledMeanwhile = false;
    QString caption;
    whenModal([&](QWidget& window) {
        disabledMeanwhile = !cmdEdit->isEnabled();
        caption = window.windowTitle();
        window.findChild<QPushButton*>("cmdOK")->click();
    });
    cmdEdit->click();
    EXPECT_TRUE(disabledMeanwhile);
    EXPECT_EQ(caption, "Tallyreed  Science");
    EXPECT_TRUE(cmdEdit->isEnabled());
    frmTRD* first = menu().editorWindow();
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(first->isVisible());

    whenModal([](QWidget& window) { window.close(); });
    child<QAction>("mnuEdit")->trigger();
    EXPECT_EQ(menu().editorWindow(), first);
    EXPECT_EQ(messages(), "");
}

TEST_F(MenuWindow, AnUnregisteredControlIsReportedAndLeavesEditEnabled) {
    ASSERT_TRUE(start());
    const QUuid tree = components.classId(QStringLiteral("CVTree.ctlTree"));
    components.withdraw(QStringLiteral("CVTree.ctlTree"), tree, components.library(tree));
    child<QPushButton>("cmdEdit")->click();
    ASSERT_EQ(msg.shown.size(), 1);
    EXPECT_TRUE(msg.shown[0].text.startsWith("Run-time error '429':\r\n\r\n"));
    EXPECT_EQ(msg.shown[0].title, std::nullopt);
    EXPECT_TRUE(child<QPushButton>("cmdEdit")->isEnabled());
    EXPECT_EQ(menu().editorWindow(), nullptr);
}

TEST_F(MenuWindow, ExitClosesTheDatabaseUnloadsTheMenuAndEnds) {
    ASSERT_TRUE(start());
    child<QAction>("mnuExit")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(EditorCourseDB.isOpen());
    EXPECT_EQ(frmMenu::instance(), nullptr);
    EXPECT_EQ(ended, 1);
}

TEST_F(MenuWindow, ExportAsksForTheFileThenWritesItAndCancelWritesNothing) {
    ASSERT_TRUE(start());
    QPushButton* cmdExport = child<QPushButton>("cmdExport");
    const rt::FileDialogRequest request = exchangeDialog(
        "Export Local Objective file...", "MyLocalObjectives.lko", "Larkspan Objective file (*.lko)|*.lko");
    dialogs.cancel();
    cmdExport->click();
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].kind, rt::ScriptedCommonDialog::Shown::Save);
    EXPECT_EQ(dialogs.shown[0].request, request);
    EXPECT_TRUE(cmdExport->isEnabled());
    EXPECT_FALSE(QFile::exists(QStringLiteral(LK_PROGRAM_DIR "/MyLocalObjectives.lko")));

    const QString chosen = dir.filePath(QStringLiteral("ours.lko"));
    dialogs.choose(chosen);
    child<QAction>("mnuExport")->trigger();
    ASSERT_EQ(dialogs.shown.size(), 2);
    EXPECT_EQ(dialogs.shown[1].kind, rt::ScriptedCommonDialog::Shown::Save);
    EXPECT_EQ(dialogs.shown[1].request, request);
    QFile written(chosen);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith("bwIF\xFFWW01\xFF"
                                             "0110\xFF"
                                             "12\xFF"
                                             "12\xFFUse the rain barrel"));
    EXPECT_TRUE(cmdExport->isEnabled());
    EXPECT_EQ(messages(), "");
}

TEST_F(MenuWindow, ImportAsksForTheFileAndCancelChangesNothing) {
    ASSERT_TRUE(start());
    frmTRD* editorWindow = loadEditorWindow();
    ASSERT_NE(editorWindow, nullptr);
    const QString before = objectives();
    cursor.history.clear();
    QPushButton* cmdImport = child<QPushButton>("cmdImport");
    dialogs.cancel();
    cmdImport->click();
    dialogs.cancel();
    child<QAction>("mnuImport")->trigger();
    ASSERT_EQ(dialogs.shown.size(), 2);
    for (const auto& shown : dialogs.shown) {
        EXPECT_EQ(shown.kind, rt::ScriptedCommonDialog::Shown::Open);
        EXPECT_EQ(shown.request,
                  exchangeDialog("Import Local Objective file...", "",
                                 "Larkspan Objectives file (*.lko)|*.lko|All files (*.*)|*.*"));
    }
    EXPECT_TRUE(cmdImport->isEnabled());
    EXPECT_EQ(messages(), "");
    EXPECT_EQ(objectives(), before);
    EXPECT_EQ(menu().editorWindow(), editorWindow);
    EXPECT_TRUE(cursor.history.isEmpty()); // no hourglass
}

TEST_F(MenuWindow, ImportUnloadsTheEditorWindowAndShowsTheOutcome) {
    ASSERT_TRUE(start());
    ASSERT_NE(loadEditorWindow(), nullptr);
    QPushButton* cmdImport = child<QPushButton>("cmdImport");
    dialogs.choose(writeFile("bwIF\xFFWW01\xFF"
                             "0110\xFF"
                             "1\xFF"
                             "12\xFF"
                             "From the menu\xFF"));
    const int yields = loop.count;
    cmdImport->click();
    EXPECT_EQ(messages(), "Your local objectives have been imported successfully. | Tallyreed");
    EXPECT_EQ(courseValue(QStringLiteral("SELECT Objective5 FROM LessonTree WHERE TreeID = 12")),
              "From the menu");
    EXPECT_EQ(menu().editorWindow(), nullptr);
    EXPECT_GT(loop.count, yields);
    EXPECT_TRUE(cmdImport->isEnabled());
    EXPECT_EQ(cursor.screenPointer(), rt::Pointer::Default);

    // A refused file: the message, nothing changed, the pointer and the button back.
    const QString before = objectives();
    msg.shown.clear();
    dialogs.choose(writeFile("bwIF\xFFKTN1\xFF"
                             "0110\xFF"
                             "1\xFF"
                             "12\xFFOther\xFF"));
    child<QAction>("mnuImport")->trigger();
    EXPECT_EQ(messages(), "The local objectives file selected does not belong to this course.\r\n\r\n"
                          "Press OK to cancel this import. | Tallyreed");
    EXPECT_EQ(objectives(), before);
    EXPECT_TRUE(cmdImport->isEnabled());
    EXPECT_EQ(cursor.screenPointer(), rt::Pointer::Default);
}

} // namespace
