#include "controls/tab/ctlTabIds.h"
#include "controls/tree/ctlTreeIds.h"
#include "editor_fixture.h"
#include "objectives_editor/editor_window.h"
#include "objectives_editor/local_objective_box.h"
#include "runtime/com/control.h"
#include "runtime/testing/recording_report_engine.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <array>
#include <functional>
#include <memory>
#include <sqlite3.h>

namespace {

class EditorWindow : public EditorFixture {
public:
    // Starts on `key` and loads the editor window, shown.
    void open(const QString& key = QStringLiteral("SAMPLE1")) {
        ASSERT_TRUE(start(key));
        window = std::make_unique<frmTRD>(editor);
        show();
        tree = control("treTRD");
        tab = control("tabTRD");
        box = window->findChild<LocalObjectiveBox*>("rtbTRD");
    }
    // Shown and active, so that its controls take the focus.
    void show() {
        window->show();
        QApplication::setActiveWindow(window.get());
    }
    // A control from its library: its classes are that library's copies, which qobject_cast does not
    // take for the program's own.
    rt::Control* control(const char* name) const {
        return static_cast<rt::Control*>(window->findChild<QWidget*>(QLatin1String(name)));
    }
    QTreeWidget* view() const { return tree->findChild<QTreeWidget*>("tree"); }
    QTreeWidgetItem* item(const QString& text) const {
        const QList<QTreeWidgetItem*> found = view()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        EXPECT_EQ(found.size(), 1) << text.toStdString();
        return found.value(0);
    }
    // A click on the row of the node shown as `text`.
    void click(const QString& text) {
        QTreeWidgetItem* i = item(text);
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, view()->visualItemRect(i).center());
    }
    void expand(const QString& text) { item(text)->setExpanded(true); }
    // Each character as the keyboard delivers it, to the focused box.
    void type(const QString& text) {
        box->setFocus();
        for (QChar c : text) {
            const int key = c == u'\t' ? int(Qt::Key_Tab) : c.isLetter() ? int(c.toUpper().unicode()) : 0;
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
            QApplication::sendEvent(box, &press);
        }
    }
    QString tabText(int n) {
        return rt::call(*tab, ctlTabId::GetText, {rt::Value::integer(qint16(n)), rt::Value::boolean(false)})
            .toString();
    }
    QString objective5(int treeID) {
        return courseValue(QStringLiteral("SELECT Objective5 FROM LessonTree WHERE TreeID = %1").arg(treeID));
    }

    std::unique_ptr<frmTRD> window;
    rt::Control* tree = nullptr;
    rt::Control* tab = nullptr;
    LocalObjectiveBox* box = nullptr;
};

TEST_F(EditorWindow, LoadsTheRootsAndTheirChildrenWithTheCoursesNodeTexts) {
    struct Case {
        QString key, outline;
    };
    const Case cases[] = {
        {"SAMPLE1", // formatting code 3 of the configuration
         "K50 - Weather Tools [Filled]\n"
         "  K51 -1 Thermometers\n"
         "    D51 D51\n"
         "K10 -1 Air and Sky [Filled]\n"
         "  K15 1-1 Clouds\n"
         "    D15 D15\n"
         "  K11 1-2 What Is Air?\n"
         "    D11 D11\n"
         "K30 -2 Water on the Move [Filled]\n"
         "  K31 2-1 The Water Cycle\n"
         "    D31 D31\n"
         "K60 -3 Weather Journal Kickoff [Filled]\n"
         "K70 -4 Storm Safety Review [Filled]\n"
         "K80 -5 Seasons [Filled]"},
        {"KTN1", // item number and title; a unit without a number
         "K50  - Weather Tools [Filled]\n"
         "  K51 1 - Thermometers\n"
         "    D51 D51\n"
         "K10 1 - Air and Sky [Filled]\n"
         "  K15 1 - Clouds\n"
         "    D15 D15\n"
         "  K11 2 - What Is Air?\n"
         "    D11 D11\n"
         "K30 2 - Water on the Move [Filled]\n"
         "  K31 1 - The Water Cycle\n"
         "    D31 D31\n"
         "K60 3 - Weather Journal Kickoff [Filled]\n"
         "K70 4 - Storm Safety Review [Filled]\n"
         "K80 5 - Seasons [Filled]"},
        {"RV10", // the title alone
         "K50 Weather Tools [Filled]\n"
         "  K51 Thermometers\n"
         "    D51 D51\n"
         "K10 Air and Sky [Filled]\n"
         "  K15 Clouds\n"
         "    D15 D15\n"
         "  K11 What Is Air?\n"
         "    D11 D11\n"
         "K30 Water on the Move [Filled]\n"
         "  K31 The Water Cycle\n"
         "    D31 D31\n"
         "K60 Weather Journal Kickoff [Filled]\n"
         "K70 Storm Safety Review [Filled]\n"
         "K80 Seasons [Filled]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key.toStdString());
        open(c.key);
        EXPECT_EQ(treeOutline(*tree), c.outline);
        EXPECT_EQ(cursor.pointer(window.get()), rt::Pointer::Default);
        window.reset();
        stop();
    }
}

TEST_F(EditorWindow, LoadsCaptionsTabsAndAnEmptyGreyBox) {
    open();
    EXPECT_EQ(window->windowTitle(), "Tallyreed  Science");
    EXPECT_EQ(window->findChild<QLabel*>("lbl1")->text(), "Lesson Plans");
    EXPECT_EQ(window->findChild<QLabel*>("lbl2")->text(), "Objectives");
    EXPECT_EQ(window->findChild<QLabel*>("lbl3")->text(), "Local Objective");
    EXPECT_EQ(window->findChild<QPushButton*>("cmdOK")->text(), "&Close");
    EXPECT_EQ(window->findChild<QPushButton*>("cmdPrint")->text(), "&Print Local Objectives");
    EXPECT_EQ(rt::get(*tab, ctlTabId::TNumTabs).toInt16(), 2);
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(204, 229, 255));
    EXPECT_EQ(window->size(), QSize(518, 363));
    EXPECT_EQ(tree->geometry(), QRect(4, 29, 249, 273));
    EXPECT_FALSE(box->isEnabled());
    EXPECT_EQ(box->palette().color(QPalette::Base), window->palette().color(QPalette::Button));
    EXPECT_EQ(box->text(), "");
    EXPECT_EQ(EditingTreeID, "");
}

TEST_F(EditorWindow, ShowsTheSelectedLessonsObjectives) {
    struct Case {
        const char* name;
        std::function<void(EditorWindow&)> select;
        QString editing, tab1, tab2, local;
        bool leaf;
    };
    const Case cases[] = {
        {"a leaf",
         [](EditorWindow& t) {
             t.expand("-1 Air and Sky"), t.expand("1-2 What Is Air?"), t.click("2-1 Air Takes Up Space");
         },
         "12",
         "Show that air takes up space by pushing a cup straight down into a tub of water and watching the "
         "paper towel inside stay dry.",
         "Predict, observe and explain.", "Use the rain barrel by the school garden.", true},
        {"a unit", [](EditorWindow& t) { t.click("-1 Air and Sky"); }, "10", "Air is all around us.", "", "",
         false},
        {"a lesson at the root", [](EditorWindow& t) { t.click("-3 Weather Journal Kickoff"); }, "60",
         "Start a daily weather journal with date, sky and temperature.", "Record what you see.",
         "Hang the class journal by the window.", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        open();
        c.select(*this);
        EXPECT_EQ(EditingTreeID, c.editing);
        EXPECT_FALSE(LocalObjectiveDirty);
        EXPECT_EQ(tabText(1), c.tab1);
        EXPECT_EQ(tabText(2), c.tab2);
        EXPECT_EQ(box->text(), c.local);
        EXPECT_EQ(box->isEnabled(), c.leaf);
        EXPECT_EQ(box->palette().color(QPalette::Base) == Qt::white, c.leaf);
        window.reset();
        stop();
    }
}

TEST_F(EditorWindow, TheBoxRefusesTabAndTheFieldMarkersTypedPastedOrDropped) {
    open();
    click("-3 Weather Journal Kickoff");
    box->clear();
    type(QStringLiteral("a\tb\u00fec\u00ffd"));
    EXPECT_EQ(box->text(), "abcd");
    EXPECT_EQ(msg.beeps, 3);
    EXPECT_TRUE(LocalObjectiveDirty);

    box->clear();
    QApplication::clipboard()->setText(QStringLiteral("x\u00fey\u00ffz"));
    box->paste();
    EXPECT_EQ(box->text(), "xyz");
    EXPECT_EQ(msg.beeps, 3);
}

class Saving : public EditorWindow {
public:
    void SetUp() override {
        open();
        expand("-1 Air and Sky");
        expand("1-2 What Is Air?");
        click("2-1 Air Takes Up Space");
    }
};

TEST_F(Saving, ThePendingLocalObjectiveIsSavedByWhatEndsItsLesson) {
    struct Case {
        const char* name;
        std::function<void(Saving&)> leave;
        bool closed;
    };
    const Case cases[] = {
        {"another lesson", [](Saving& t) { t.click("2-2 Air Has Weight"); }, false},
        {"an expansion", [](Saving& t) { t.expand("-2 Water on the Move"); }, false},
        {"Close", [](Saving& t) { t.window->findChild<QPushButton*>("cmdOK")->click(); }, true},
        {"the window frame", [](Saving& t) { t.window->close(); }, true},
        {"Esc", [](Saving& t) { QTest::keyClick(t.window.get(), Qt::Key_Escape); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        type(QStringLiteral(" Bring towels."));
        c.leave(*this);
        EXPECT_EQ(objective5(12), "Use the rain barrel by the school garden. Bring towels.");
        EXPECT_FALSE(LocalObjectiveDirty);
        EXPECT_EQ(window->isVisible(), !c.closed);
        if (c.closed) {
            EXPECT_EQ(EditingTreeID, "");
        }
        EXPECT_EQ(messages(), "");
        courseSql("UPDATE LessonTree SET Objective5 = 'Use the rain barrel by the school garden.' WHERE "
                  "TreeID = 12");
        show();
        click("2-1 Air Takes Up Space");
    }
}

TEST_F(Saving, TheFocusAloneSavesTheTextAsShown) {
    courseSql("UPDATE LessonTree SET Objective5 = 'Changed elsewhere' WHERE TreeID = 12");
    box->setFocus();
    EXPECT_TRUE(LocalObjectiveDirty);
    click("2-2 Air Has Weight");
    EXPECT_EQ(objective5(12), "Use the rain barrel by the school garden.");
}

TEST_F(Saving, ALessonNoLongerInTheCourseIsLeftSilently) {
    type(QStringLiteral("Lost"));
    courseSql("DELETE FROM LessonTree WHERE TreeID = 12");
    click("2-2 Air Has Weight");
    EXPECT_EQ(messages(), "");
    EXPECT_EQ(EditingTreeID, "13");
    EXPECT_EQ(courseValue("SELECT COUNT(*) FROM LessonTree WHERE Objective5 LIKE '%Lost%'"), "0");
}

TEST_F(Saving, AWriteLockHeldElsewhereIsReportedWithTheLesson) {
    type(QStringLiteral(" Bring towels."));
    sqlite3* planner = nullptr;
    ASSERT_EQ(sqlite3_open(db.toUtf8().constData(), &planner), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(planner, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    click("2-2 Air Has Weight");
    sqlite3_exec(planner, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(planner);
    ASSERT_EQ(msg.shown.size(), 1);
    EXPECT_TRUE(msg.shown[0].text.startsWith("The local objective of lesson 12 could not be saved.\r\n\r\n"));
    EXPECT_EQ(msg.shown[0].title, "Tallyreed");
    EXPECT_EQ(objective5(12), "Use the rain barrel by the school garden.");
    EXPECT_EQ(EditingTreeID, "13"); // the next lesson is shown all the same
}

TEST_F(Saving, AClosedWindowLeavesNoLessonToOverwrite) {
    // Typed, closed by the frame, unloaded (as an import does) and opened again: the first click saves
    // nothing into the lesson typed in before.
    type(QStringLiteral(" Bring towels."));
    window->close();
    window = std::make_unique<frmTRD>(editor);
    show();
    tree = control("treTRD");
    tab = control("tabTRD");
    box = window->findChild<LocalObjectiveBox*>("rtbTRD");
    box->setFocus();
    click("-3 Weather Journal Kickoff");
    EXPECT_EQ(objective5(12), "Use the rain barrel by the school garden. Bring towels.");
    EXPECT_EQ(objective5(60), "Hang the class journal by the window.");
}

TEST_F(Saving, ASecondExpansionReadsNoChildrenAgain) {
    courseSql("INSERT INTO LessonTree (TreeID, ParentID, SortOrder, ItemNumber, Title, HasChildren) "
              "VALUES (18, 11, 9, '9', 'Added Later', 0)");
    item("1-2 What Is Air?")->setExpanded(false);
    expand("1-2 What Is Air?");
    EXPECT_TRUE(view()->findItems("2-9 Added Later", Qt::MatchExactly | Qt::MatchRecursive).isEmpty());
    EXPECT_EQ(EditingTreeID, "11");
}

TEST_F(Saving, ACollapsedNodeBecomesTheSelectedOne) {
    item("1-2 What Is Air?")->setExpanded(false);
    rt::Dispatch* selected = rt::get(*tree, ctlTreeId::TSelectedItem).toObject();
    ASSERT_NE(selected, nullptr);
    EXPECT_EQ(rt::get(*selected, ctlTreeId::Node::Key).toString(), "K11");
    EXPECT_EQ(rt::get(*rt::get(*tree, ctlTreeId::DropHighlight).toObject(), ctlTreeId::Node::Key).toString(),
              "K11");
}

TEST_F(EditorWindow, TreeIDsBeyondSixteenBitsAreLoadedAndSaved) {
    const QString wide = dir.filePath(QStringLiteral("wide_tree.mdb"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(LK_COURSE_DIR "/fixtures/wide_tree.mdb"), wide));
    QFile::setPermissions(wide, QFile::ReadOwner | QFile::WriteOwner);
    db = wide;
    install(QStringLiteral("WIDE"), config(QStringLiteral("WIDE.cfg"), QStringLiteral("UCI|RV99\r\n")));
    open(QStringLiteral("WIDE"));
    expand("Big Numbers");
    click("Counting Past Thirty Thousand");
    EXPECT_EQ(box->text(), "Local note");
    type(QStringLiteral(" and more"));
    click("Big Numbers");
    EXPECT_EQ(objective5(40000), "Local note and more");
    EXPECT_EQ(messages(), "");
}

class Printing : public EditorWindow {
public:
    // The window on `key`, its report control a recording one, the printer dialog answering `answer`.
    rt::RecordingReportEngine& prepare(const QString& key, rt::PrinterSetup answer) {
        open(key);
        auto* recording = new rt::RecordingReportEngine;
        window->report.reset(recording);
        dialogs.printerAnswers = {answer};
        return *recording;
    }
    void print() { window->findChild<QPushButton*>("cmdPrint")->click(); }
};

TEST_F(Printing, TheReportFileFollowsTheCourseAndTheDataIsTheCourseDatabase) {
    install(QStringLiteral("LOWER"), config(QStringLiteral("LOWER.cfg"), QStringLiteral("UCI|kt07\r\n")));
    const std::pair<QString, QString> cases[] = {{"KTN1", "TRDMath.rpt"},
                                                 {"RV10", "TRDLang.rpt"},
                                                 {"LOWER", "TRDMath.rpt"},
                                                 {"SAMPLE1", "TRDWW01.rpt"}};
    for (const auto& [key, file] : cases) {
        SCOPED_TRACE(key.toStdString());
        dialogs.shown.clear();
        rt::RecordingReportEngine& report = prepare(key, rt::PrinterSetup::Accepted);
        print();
        ASSERT_EQ(report.starts.size(), 1);
        const rt::RecordingReportEngine::Snapshot& job = report.starts[0];
        EXPECT_EQ(job.reportFile, QStringLiteral(LK_PROGRAM_DIR "/") + file);
        EXPECT_EQ(job.dataFiles, (std::array<QString, 5>{db, db, db, QString(), QString()}));
        EXPECT_EQ(job.destination, rt::report_destination::Printer);
        ASSERT_EQ(dialogs.shown.size(), 1);
        EXPECT_EQ(dialogs.shown[0].kind, rt::ScriptedCommonDialog::Shown::Printer);
        EXPECT_EQ(dialogs.shown[0].request.title, "Print Local Objectives");
        EXPECT_EQ(dialogs.shown[0].request.flags, 4u);
        EXPECT_EQ(messages(), "");
        window.reset();
        stop();
    }
}

TEST_F(Printing, ThePendingLocalObjectiveIsSavedFirst) {
    rt::RecordingReportEngine& report = prepare("SAMPLE1", rt::PrinterSetup::Accepted);
    click("-3 Weather Journal Kickoff");
    type(QStringLiteral(" Daily."));
    print();
    EXPECT_EQ(objective5(60), "Hang the class journal by the window. Daily.");
    EXPECT_FALSE(LocalObjectiveDirty);
    EXPECT_EQ(EditingTreeID, "");
    EXPECT_EQ(report.starts.size(), 1);
}

TEST_F(Printing, CancelIsQuietAndNoDefaultPrinterIsSaid) {
    rt::RecordingReportEngine& cancelled = prepare("SAMPLE1", rt::PrinterSetup::Cancelled);
    print();
    EXPECT_TRUE(cancelled.starts.isEmpty());
    EXPECT_EQ(messages(), "");

    rt::RecordingReportEngine& refused = prepare("SAMPLE1", rt::PrinterSetup::NoDefaultPrinter);
    print();
    EXPECT_TRUE(refused.starts.isEmpty());
    ASSERT_EQ(msg.shown.size(), 1);
    EXPECT_EQ(msg.shown[0],
              (rt::MbRequest{"You must define a default printer for your system before you can print.",
                             "Brackwell  Tallyreed", rt::MbButtons::Ok, rt::MbIcon::Exclamation}));
}

TEST_F(Printing, TheObjectivesReportReachesThePrinter) {
    open();
    dialogs.printerAnswers = {rt::PrinterSetup::Accepted};
    window->findChild<QPushButton*>("cmdPrint")->click();
    EXPECT_EQ(printers.printedFiles().size(), 1);
    EXPECT_EQ(messages(), "");
}

} // namespace
