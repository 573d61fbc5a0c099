#include "controls/tab/ctlTabIds.h"
#include "planner/core/class_files.h"
#include "planner/core/testing/scripted_dialogs.h"
#include "planner/data/course_database.h"
#include "planner/data/testing/course_fixture.h"
#include "planner/data/testing/query_rows.h"
#include "planner/dialogs/tests/modal_driver.h"
#include "planner/window/plan_x.h"
#include "planner/window/tests/main_window_fixture.h"
#include "runtime/clock.h"
#include "runtime/com/control.h"
#include "runtime/dao/engine.h"
#include "runtime/outside/grid/grid_model.h"
#include "runtime/outside/richtext/rich_text_box.h"
#include "runtime/testing/test_dates.h"
#include "runtime/testing/typed_keys.h"
#include "shared/course_settings.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <functional>
#include <string_view>

namespace {

// The main window on a copy of sample1.lkc, shown offscreen so that focus moves raise their events.
// January 2027: the 4th holds three resources (one of the teacher's own), the 5th a heading and two
// rows of one sort order, the 6th none, the 11th every resource of its course lesson.
class LessonPanelTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        file = classFixture("sample1.lkc");
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        openClass();
        msg.shown.clear();
    }

    void openClass() {
        OpenClassFile(planner, file);
        ASSERT_EQ(ClassFilePath, file);
    }
    void TearDown() override {
        window.reset();
        rt::setToday(std::nullopt);
        ClassFilePath.clear();
        CourseFixture::TearDown();
    }

    // The day view of a date: its plan in the lesson panel.
    void showDay(int day) { window->ChangeCurrentDate(rt::day(2027, 1, day)); }

    // Each row's visible cells joined by "|", a heading row marked "*".
    static QStringList rows(const rt::BoundGrid* grid) {
        QStringList out;
        const QAbstractItemModel& m = *grid->model();
        for (int r = 0; r < m.rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < m.columnCount(); ++c)
                if (!grid->isColumnHidden(c)) cells << m.index(r, c).data().toString();
            out << (m.index(r, 1).data(rt::GridModel::HeaderRowRole).toBool() ? "*" : "") + cells.join('|');
        }
        return out;
    }

    // cmdLeft, cmdRight, cmdUp, cmdDown, cmdView(0), cmdView(1), cmdDescription: "+" on, "-" off.
    QString buttons() const {
        QString s;
        for (const QPushButton* b : {window->cmdLeft, window->cmdRight, window->cmdUp, window->cmdDown,
                                     window->cmdView[0], window->cmdView[1], window->cmdDescription})
            s += b->isEnabledTo(window->picDayView) ? u'+' : u'-';
        return s;
    }

    QStringList plan() const {
        return QueryRows(QStringLiteral("SELECT ResourceID FROM LessonResources WHERE LessonPlanID=%1 "
                                        "ORDER BY SortOrder, LessonItemID")
                             .arg(CurrentLesson.LessonPlanID));
    }

    void selectRow(rt::BoundGrid* grid, int row, int column = 1) {
        grid->setFocus();
        QCoreApplication::processEvents();
        grid->setCurrentIndex(grid->model()->index(row, column));
    }

    // The first tab's page, found by its text.
    QTextEdit* firstPage() {
        rt::call(*window->tabObject, ctlTabId::SetText, {rt::Value::integer(1), QStringLiteral("first")});
        QTextEdit* first = nullptr;
        for (QTextEdit* page : window->tabObject->findChildren<QTextEdit*>())
            if (page->toPlainText() == "first") first = page;
        if (first) first->clear();
        window->ObjectivesDirty = false;
        return first;
    }

    // The first objective of the 4th's plan as the class file holds it.
    QString storedObjective1() const {
        rt::Database classFile = rt::DBEngine::instance().workspace().openDatabase(file);
        return classFile.openSql("SELECT Objective1 FROM LessonPlans WHERE LessonPlanID=1")
            .field(0)
            .toString();
    }

    bool boldAt(const QString& text) const {
        const QTextCursor found = window->rtbDetails->document()->find(text);
        EXPECT_FALSE(found.isNull()) << text.toStdString();
        return found.charFormat().fontWeight() >= QFont::Bold;
    }

    QString file;
};

struct PanelCase {
    int day;
    QStringList lesson, browser;
    QString time, pane;
};

TEST_F(LessonPanelTest, ThePanelShowsThePlanTheBrowserTheTotalAndTheDetails) {
    const PanelCase cases[] = {
        {4,
         {"Air Takes Up Space: Teacher Notes|10", "Cup in a Tub|15", "My balloon worksheet|10"},
         {"Bubbles Video|"},
         "35 minutes",
         "Air Takes Up Space: Teacher Notes\t10 mins.\r\nBackground and set-up for the lesson.\r\n\r\n"
         "Cup in a Tub\t15 mins.\r\n\r\n\r\nMy balloon worksheet\t10 mins.\r\nMade by the teacher.\r\n\r\n"},
        {5,
         {"*Wind Warm-Up|", "  Wind Vane Build  |20", "Wind Quiz|10", "Wind sock video|05"},
         {"Pinwheel Test|00", "Extra: Air Cannon|15"},
         "35 minutes",
         "Wind Warm-Up\r\n  Wind Vane Build  \t20 mins.\r\n   \r\n\r\nWind Quiz\t10 mins.\r\nFive questions "
         "on "
         "wind.\r\n\r\nWind sock video\t05 mins.\r\n\r\n\r\n"},
        {6, {}, {}, "0 minutes", ""},
        {11, {"Cloud Types Guide|10", "Cloud Match-Up|15"}, {}, "25 minutes", {}},
    };
    for (const PanelCase& c : cases) {
        showDay(c.day);
        EXPECT_EQ(rows(window->dbgResources), c.lesson) << c.day;
        EXPECT_EQ(rows(window->dbgAdditional), c.browser) << c.day;
        EXPECT_EQ(window->lblTime->text(), c.time) << c.day;
        if (!c.pane.isNull()) {
            EXPECT_EQ(window->rtbDetails->text(), c.pane) << c.day;
        }
        if (c.browser.isEmpty()) {
            EXPECT_EQ(buttons().mid(4, 1) + buttons().right(1), "--") << c.day;
        }
    }
    showDay(5);
    EXPECT_TRUE(boldAt("Wind Warm-Up"));
    EXPECT_TRUE(boldAt("Wind Quiz"));
    EXPECT_FALSE(boldAt("10 mins."));
    EXPECT_FALSE(boldAt("Five questions"));
    // Removed from the plan, the heading is a bold row without minutes in the browser.
    selectRow(window->dbgResources, 0);
    window->cmdRight->click();
    EXPECT_EQ(rows(window->dbgAdditional),
              (QStringList{"*Wind Warm-Up|", "Pinwheel Test|00", "Extra: Air Cannon|15"}));
}

TEST_F(LessonPanelTest, ANullTitleReadsAsEmpty) {
    showDay(6);
    // The chapter branch "Weather Log Pages" gives a resource whose title is Null.
    window->DragItemID = 120;
    emit window->dbgResources->dragDrop("pvChapter");
    EXPECT_EQ(plan(), QStringList{"40"});
    EXPECT_EQ(rows(window->dbgResources), QStringList{"|10"});
    EXPECT_EQ(window->rtbDetails->text(), "\t10 mins.\r\nPrintable blank weather log.\r\n\r\n");
    EXPECT_EQ(texts(), QStringList{});
}

TEST_F(LessonPanelTest, MinutesTypedIntoTheLessonGrid) {
    struct Case {
        const char* name;
        QList<int> keys;
        QString stored, shown, time;
        QStringList messages;
    };
    const QString refused = "Enter the minutes as a number from 0 to 32767.";
    const Case cases[] = {
        {"letter dropped", {'a', '5', Qt::Key_Return}, "5", "05", "30 minutes", {}},
        {"minus dropped", {'-', '7', Qt::Key_Return}, "7", "07", "32 minutes", {}},
        {"emptied", {Qt::Key_Backspace, Qt::Key_Return}, "0", "00", "25 minutes", {}},
        {"too many", {'4', '0', '0', '0', '0', Qt::Key_Return}, "10", "10", "35 minutes", {refused}},
    };
    for (const Case& c : cases) {
        CourseDB.execute("UPDATE LessonResources SET Duration=10 WHERE LessonItemID=1");
        msg.shown.clear();
        showDay(4);
        selectRow(window->dbgResources, 0, 2);
        rt::typeKeys(c.keys);
        EXPECT_EQ(QueryRows("SELECT Duration FROM LessonResources WHERE LessonItemID=1"),
                  QStringList{c.stored})
            << c.name;
        EXPECT_EQ(window->dbgResources->model()->index(0, 2).data().toString(), c.shown) << c.name;
        EXPECT_EQ(window->lblTime->text(), c.time) << c.name;
        EXPECT_EQ(texts(), c.messages) << c.name;
    }
    // Ctrl+V pastes nothing into the lesson grid; elsewhere it is noted for the Edit menu.
    clipboard.setText("55");
    selectRow(window->dbgResources, 0, 2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(QueryRows("SELECT Duration FROM LessonResources WHERE LessonItemID=1"), QStringList{"10"});
    EXPECT_FALSE(window->CtrlVTyped);
    window->rtbDetails->setFocus();
    QTest::keyClick(window->rtbDetails, Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(window->CtrlVTyped);
    QTest::keyClick(window->rtbDetails, Qt::Key_A);
    EXPECT_FALSE(window->CtrlVTyped);
}

// Each key as the grid hands it on: a digit of another script would go into the minutes as its
// character.
TEST_F(LessonPanelTest, OnlyTheDigitsZeroToNineReachTheMinutes) {
    // '²', Arabic-Indic 3, Devanagari 0, Thai 3, fullwidth 5.
    const std::pair<int, int> keys[] = {{'0', '0'}, {'9', '9'}, {8, 8},     {27, 27},   {'-', 0},   {'a', 0},
                                        {0xb2, 0},  {0x663, 0}, {0x966, 0}, {0xe53, 0}, {0xff15, 0}};
    for (const auto& [typed, passed] : keys) {
        rt::Args keyAscii{rt::Value::integer(qint16(typed))};
        emit window->dbgResources->keyPress(keyAscii);
        EXPECT_EQ(keyAscii[0].toInt16(), passed) << typed;
    }
}

TEST_F(LessonPanelTest, AddRemoveAndReorderThroughButtonsDoubleClicksAndDrops) {
    showDay(4);
    const QStringList start{"1", "3", "0"};
    ASSERT_EQ(plan(), start);

    selectRow(window->dbgAdditional, 0);
    emit window->dbgAdditional->dblClick();
    EXPECT_EQ(plan(), (QStringList{"1", "3", "0", "4"}));
    EXPECT_EQ(rows(window->dbgResources).last(), "Bubbles Video|0"); // stored without minutes
    EXPECT_EQ(rows(window->dbgAdditional), QStringList{});
    EXPECT_TRUE(window->rtbDetails->text().endsWith("Bubbles Video\r\n\r\n\r\n"));
    EXPECT_EQ(window->dbgResources, QApplication::focusWidget());

    window->datResources.findFirst("ResourceID", rt::Value::longInt(4));
    emit window->dbgResources->dblClick();
    EXPECT_EQ(plan(), start);
    EXPECT_EQ(rows(window->dbgAdditional), QStringList{"Bubbles Video|"});
    EXPECT_EQ(window->lblTime->text(), "35 minutes");

    emit window->dbgResources->dragDrop("dbgAdditional");
    EXPECT_EQ(plan(), (QStringList{"1", "3", "0", "4"}));
    for (const char* other : {"dbgResources", "cmdLeft", "lblTime"}) {
        emit window->dbgResources->dragDrop(other);
        emit window->dbgAdditional->dragDrop(other == QStringLiteral("dbgResources") ? "pvType" : other);
    }
    EXPECT_EQ(plan(), (QStringList{"1", "3", "0", "4"}));
    window->datResources.findFirst("ResourceID", rt::Value::longInt(4));
    emit window->dbgAdditional->dragDrop("dbgResources");
    EXPECT_EQ(plan(), start);

    selectRow(window->dbgAdditional, 0);
    window->LastResourceControl = window->dbgAdditional;
    window->cmdLeft->click();
    EXPECT_EQ(plan(), (QStringList{"1", "3", "0", "4"}));
    selectRow(window->dbgResources, 3);
    window->cmdRight->click();
    EXPECT_EQ(plan(), start);

    // Reorder: the first row cannot go up, the last cannot go down; a moved row stays selected.
    selectRow(window->dbgResources, 0);
    EXPECT_EQ(buttons().mid(2, 2), "-+");
    selectRow(window->dbgResources, 2);
    EXPECT_EQ(buttons().mid(2, 2), "+-");
    selectRow(window->dbgResources, 1);
    window->cmdDown->click();
    EXPECT_EQ(plan(), (QStringList{"1", "0", "3"}));
    EXPECT_EQ(rows(window->dbgResources).last(), "Cup in a Tub|15");
    EXPECT_EQ(window->dbgResources->currentIndex().row(), 2);
    EXPECT_EQ(buttons().mid(2, 2), "+-"); // now the last row
    EXPECT_TRUE(window->centralWidget()->isEnabled());
    window->cmdUp->click();
    EXPECT_EQ(plan(), start);
    EXPECT_EQ(rows(window->dbgResources)[1], "Cup in a Tub|15");
    EXPECT_EQ(window->dbgResources->currentIndex().row(), 1);

    // Removing the last row sends the focus to the browser.
    showDay(11);
    for (int n = 0; n < 2; ++n) {
        selectRow(window->dbgResources, 0);
        window->cmdRight->click();
    }
    EXPECT_EQ(plan(), QStringList{});
    EXPECT_EQ(window->dbgAdditional, QApplication::focusWidget());
}

TEST_F(LessonPanelTest, ButtonRulesFollowTheFocusAndTheSelectedRow) {
    struct Case {
        const char* step;
        std::function<void()> act;
        QString buttons; // left, right, up, down, view(0), view(1), description
    };
    const Case cases[] = {
        {"plan, first row", [&] { showDay(4), selectRow(window->dbgResources, 0); }, "-+-+-+-"},
        {"plan, PDF row", [&] { selectRow(window->dbgResources, 1); }, "-+++-+-"},
        {"plan, own resource after it", [&] { selectRow(window->dbgResources, 2); },
         "-++---"
         "-"},
        {"browser, no PDF", [&] { selectRow(window->dbgAdditional, 0); }, "+------"},
        {"browser, PDF and description", [&] { showDay(5), selectRow(window->dbgAdditional, 1); }, "+---+-+"},
        {"browser, description only", [&] { selectRow(window->dbgAdditional, 0); }, "+-----+"},
        {"plan with a description", [&] { selectRow(window->dbgResources, 2); }, "-+++-++"},
        {"empty plan",
         [&] {
             showDay(6);
             selectRow(window->dbgAdditional, 0);
             selectRow(window->dbgResources, 0);
         },
         "-------"},
    };
    for (const Case& c : cases) {
        c.act();
        EXPECT_EQ(buttons(), c.buttons) << c.step;
    }
    // The resource a shared button acts on is the row of the grid that last lost the focus.
    showDay(4);
    selectRow(window->dbgResources, 1);
    window->rtbDetails->setFocus();
    EXPECT_EQ(window->LastResourceControl, window->dbgResources);
    EXPECT_EQ(window->LastTextControl, window->rtbDetails);
    EXPECT_TRUE(window->mnuEditPasteText->isEnabled());
}

// The day view shows the plan's objectives on the tabs and takes input only on a day with a plan.
TEST_F(LessonPanelTest, TheDayViewFillsTheTabsAndTakesInputOnlyForADayWithAPlan) {
    rt::Control& tab = *window->tabObject;
    const auto text = [&tab](qint16 k) {
        return rt::call(tab, ctlTabId::GetText, {rt::Value::integer(k), rt::Value::boolean(false)})
            .toString();
    };
    showDay(4); // SAMPLE1 has two course tabs; the local tab is the third
    // Filling the tabs is nothing typed, and leaves what was typed pending.
    EXPECT_FALSE(window->ObjectivesDirty);
    window->ObjectivesDirty = true;
    window->RefreshView();
    EXPECT_TRUE(window->ObjectivesDirty);
    window->ObjectivesDirty = false;
    EXPECT_EQ(text(2), "Predict, observe and explain.");
    EXPECT_EQ(text(3), "Use the rain barrel by the school garden.");
    EXPECT_TRUE(text(4).contains("SKILLS\r\nPredict, observe and explain.")) << text(4).toStdString(); // All
    EXPECT_TRUE(rt::get(tab, ctlTabId::TEnabled).toBool());
    EXPECT_TRUE(window->cmdNewResource->isEnabledTo(window->picDayView));

    showDay(15); // no plan
    EXPECT_EQ(text(3), "");
    EXPECT_FALSE(rt::get(tab, ctlTabId::TEnabled).toBool());
    EXPECT_FALSE(window->cmdNewResource->isEnabledTo(window->picDayView));
    EXPECT_EQ(window->LastResourceControl, window->dbgAdditional);
    EXPECT_EQ(rows(window->dbgResources), QStringList{});
    EXPECT_EQ(window->lblTime->text(), "0 minutes");
}

TEST_F(LessonPanelTest, ObjectivesAreReadFromTheTabsTheCourseHas) {
    rt::Control& tab = *window->tabObject;
    for (const qint16 n : {0, 2, 4, 6}) {
        CourseSettings.NumObjectiveTabs = n;
        CourseSettings.LocalTabIndex = qint16(n + 1);
        window->InitTabs();
        for (qint16 k = 1; k <= n + 1; ++k)
            rt::call(tab, ctlTabId::SetText, {rt::Value::integer(k), QStringLiteral("text %1").arg(k)});
        LessonPlanRecord rec;
        rec.Objective1 = rec.Objective2 = rec.Objective3 = rec.Objective4 = rec.Objective5 =
            QStringLiteral("kept");
        window->ReadObjectiveTabs(rec);
        const QStringList read{rec.Objective1.toString(), rec.Objective2.toString(),
                               rec.Objective3.toString(), rec.Objective4.toString(),
                               rec.Objective5.toString()};
        const QStringList expected = n == 0   ? QStringList{"kept", "kept", "kept", "kept", "text 1"}
                                     : n == 2 ? QStringList{"text 1", "text 2", "kept", "kept", "text 3"}
                                     : n == 4 ? QStringList{"text 1", "text 2", "text 3", "text 4", "text 5"}
                                              : QStringList{"text 1", "text 2", "text 3", "text 4", "kept"};
        EXPECT_EQ(read, expected) << n;
    }
}

// A menu command does not move the focus: what was typed into a tab is committed first.
TEST_F(LessonPanelTest, ObjectivesTypedIntoATabReachTheClassFileAtExitCloseAndPrint) {
    plannerDialogs.printOptions.result = 2;
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"File > Exit", [&] { window->mnuFileExit->trigger(); }},
        {"close box", [&] { window->close(); }},
        {"File > Print", [&] { window->mnuFilePrint->trigger(); }},
    };
    for (const auto& [way, act] : ways) {
        if (!ClassTablesAttached) openClass();
        showDay(4);
        QTextEdit* page = firstPage();
        ASSERT_NE(page, nullptr);
        QTest::keyClicks(page, way);
        EXPECT_TRUE(window->ObjectivesDirty) << way;
        act();
        EXPECT_FALSE(window->ObjectivesDirty) << way;
        EXPECT_EQ(storedObjective1(), way);
    }
}

// Objectives that cannot be written never hold the teacher in the class: the error is told once, then
// the class closes, or the program ends with the class tables unlinked.
TEST_F(LessonPanelTest, ObjectivesThatCannotBeWrittenAreToldOnceAndTheClassStillCloses) {
    const QString update = "qUpdateLessonObjectives", away = "qUpdateLessonObjectivesAway";
    const auto rename = [](const QString& from, const QString& to) {
        CourseDB.execute(QString("UPDATE _queries SET name = '%1' WHERE name = '%2'").arg(to, from));
    };
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"File > Close", [&] { window->mnuFileClose->trigger(); }},
        {"File > Exit", [&] { window->mnuFileExit->trigger(); }},
        {"close box", [&] { window->close(); }},
    };
    const QString course = GetCoursePath(platform, "SAMPLE1");
    for (const auto& [way, act] : ways) {
        if (!ClassTablesAttached) openClass();
        rename(away, update);
        showDay(4);
        QTextEdit* page = firstPage();
        ASSERT_NE(page, nullptr);
        QTest::keyClicks(page, way);
        ASSERT_TRUE(window->ObjectivesDirty) << way;
        rename(update, away);
        msg.shown.clear();
        ended = false;
        act();
        ASSERT_EQ(msg.shown.size(), 1) << way;
        EXPECT_TRUE(msg.shown[0].text.startsWith("Run-time error '3265':")) << way;
        EXPECT_FALSE(window->ObjectivesDirty) << way;
        EXPECT_FALSE(ClassTablesAttached) << way;
        const bool closing = way == std::string_view("File > Close");
        EXPECT_EQ(ended, !closing) << way;
        if (closing) {
            EXPECT_TRUE(ClassFilePath.isEmpty());
        }
        rt::Database courseFile = rt::DBEngine::instance().workspace().openDatabase(course);
        EXPECT_FALSE(courseFile.tableDefExists("LessonPlans")) << way;
        courseFile.close();
    }
}

// The tab control's focus is that of the whole control: moving between its pages is no focus change;
// leaving it writes the objectives into the plan.
TEST_F(LessonPanelTest, LeavingTheTabsWritesTheObjectives) {
    showDay(4);
    QTextEdit* page = firstPage();
    ASSERT_NE(page, nullptr);
    page->setFocus();
    EXPECT_EQ(window->LastTextControl, window->tabObject);
    for (QAction* item : {window->mnuEditCopyText, window->mnuEditCutText, window->mnuEditPasteText})
        EXPECT_TRUE(item->isEnabled()) << item->objectName().toStdString();
    const QString before = storedObjective1();
    QTest::keyClicks(page, "Wind");
    for (QTextEdit* other : window->tabObject->findChildren<QTextEdit*>())
        if (other != page && other->isVisible()) other->setFocus();
    EXPECT_TRUE(window->mnuEditCopyText->isEnabled());
    EXPECT_EQ(storedObjective1(), before);
    window->rtbDetails->setFocus();
    EXPECT_EQ(storedObjective1(), "Wind");
    EXPECT_FALSE(window->mnuEditCopyText->isEnabled());
    EXPECT_EQ(window->LastTextControl, window->rtbDetails);
}

// Each look-up starts from a fresh record: the teacher's own resource after a row with a document
// shows empty details, not that row's.
TEST_F(LessonPanelTest, TheDetailsDialogShowsTheResourceOfTheLastResourceControl) {
    showDay(5);
    QStringList shown;
    const auto read = [&shown](QWidget& dialog) {
        shown << QStringList{control<QLineEdit>(dialog, "txtTitle")->text(),
                             control<QLineEdit>(dialog, "txtTime")->text(),
                             control<QLineEdit>(dialog, "txtType")->text(),
                             control<QPlainTextEdit>(dialog, "txtDescription")->toPlainText()}
                     .join('|');
        click("cmdOK")(dialog);
    };
    ModalDriver driver;
    driver.then(read).then(read).then(read);
    selectRow(window->dbgAdditional, 1);
    window->LastResourceControl = window->dbgAdditional;
    emit window->cmdDescription->clicked();
    selectRow(window->dbgResources, 2);
    window->LastResourceControl = window->dbgResources;
    emit window->cmdDescription->clicked();
    selectRow(window->dbgResources, 3);
    emit window->cmdDescription->clicked();
    EXPECT_TRUE(driver.done());
    EXPECT_EQ(shown.value(0).section('|', 0, 1), "Extra: Air Cannon|15");
    EXPECT_TRUE(shown.value(0).endsWith("|A box with a hole shoots rings of air."));
    EXPECT_EQ(shown.value(1).section('|', 0, 1), "Wind Quiz|10");
    EXPECT_EQ(shown.value(2), "|00||");
}

TEST_F(LessonPanelTest, AnErrorInAMoveIsToldAndTheWindowIsEnabledAgain) {
    showDay(4);
    selectRow(window->dbgResources, 2);
    emit window->cmdDown->clicked(); // the last row has no next one
    ASSERT_EQ(texts().size(), 1);
    EXPECT_TRUE(texts()[0].startsWith("Run-time error '3021':")) << texts()[0].toStdString();
    EXPECT_TRUE(window->centralWidget()->isEnabled());
    EXPECT_EQ(plan(), (QStringList{"1", "3", "0"}));
}

// Without the tab control's library the window is told why and runs without objective tabs.
TEST_F(LessonPanelTest, WithoutTheTabControlTheWindowRunsWithoutTabs) {
    rt::registerLibraries(path("cells only.ini"), {CVCELL_OCX});
    rt::IniSettings cellsOnly(path("cells only.ini"));
    rt::ComponentRegistry components(cellsOnly);
    PlanX without(planner, components);
    ASSERT_EQ(texts().size(), 1);
    EXPECT_TRUE(texts()[0].startsWith("Run-time error '429':")) << texts()[0].toStdString();
    EXPECT_EQ(without.tabObject, nullptr);
    without.InitTabs();
    without.ObjectivesDirty = true;
    without.CommitObjectives();
    EXPECT_FALSE(without.ObjectivesDirty);
}

TEST_F(LessonPanelTest, ANewResourceWithoutMinutesIsStoredWithZeroAndTypeZero) {
    showDay(6);
    ModalDriver driver;
    driver.then([](QWidget& dialog) {
        control<QLineEdit>(dialog, "txtTitle")->setText("Nature walk");
        click("cmdOK")(dialog);
    });
    window->cmdNewResource->click();
    EXPECT_TRUE(driver.done());
    EXPECT_EQ(
        QueryRows(QStringLiteral("SELECT Title, Duration, TypeID FROM LessonResources WHERE LessonPlanID=%1")
                      .arg(CurrentLesson.LessonPlanID)),
        QStringList{"Nature walk|0|0"});
    EXPECT_EQ(rows(window->dbgResources), QStringList{"Nature walk|00"});
}

} // namespace
