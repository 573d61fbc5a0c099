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

    QTimer watch;
};

TEST_F(MenuWindow, LoadsCaptionsColourAndTheExchangeControlsDisabled) {
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
    for (const char* name : {"cmdImport", "cmdExport", "lbl2", "lbl3"})
        EXPECT_FALSE(child<QWidget>(name)->isEnabled()) << name;
    for (const char* name : {"mnuImport", "mnuExport"})
        EXPECT_FALSE(child<QAction>(name)->isEnabled()) << name;
    EXPECT_TRUE(child<QPushButton>("cmdEdit")->isEnabled());
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

} // namespace
