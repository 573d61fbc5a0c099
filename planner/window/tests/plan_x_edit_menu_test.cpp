#include "controls/tab/ctlTabIds.h"
#include "main_window_fixture.h"
#include "planner/core/testing/compact_calendar.h"
#include "planner/data/lesson_plans.h"
#include "planner/data/lesson_resources.h"
#include "planner/data/testing/query_rows.h"
#include "planner/dialogs/move_day.h"
#include "planner/dialogs/qt_planner_dialogs.h"
#include "planner/dialogs/special.h"
#include "planner/dialogs/tests/modal_driver.h"
#include "runtime/com/control.h"
#include "runtime/outside/calendar/month_calendar.h"
#include "runtime/outside/grid/bound_grid.h"
#include "runtime/outside/richtext/rich_text_box.h"
#include "runtime/outside/tree/outside_tree.h"
#include "runtime/testing/typed_keys.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>

namespace {

// A plan shows its title and, when it has any, its resources' titles: "P(p1+p2)".
QString withResourceTitles(const StoredPlan& plan) {
    const QStringList titles = QueryRows(
        QStringLiteral("SELECT Title FROM LessonResources WHERE LessonPlanID = %1 ORDER BY SortOrder")
            .arg(plan.LessonPlanID));
    return titles.isEmpty() ? plan.Title : plan.Title + '(' + titles.join(u'+') + ')';
}

qint32 planOn(int day) {
    LessonPlanRecord rec;
    EXPECT_TRUE(GetLessonPlanForDate(schoolDate(day), rec));
    return rec.LessonPlanID;
}

// The class emptied of plans in the window, a calendar written on it; plan P gets two resources of its
// own, "p1" and "p2".
class EditMenuTest : public ClassWindowTest {
protected:
    void write(const QString& calendar) {
        writeCalendar(calendar);
        const QStringList days = calendar.split(u' ', Qt::SkipEmptyParts).filter(QRegularExpression("^[^|]"));
        const qsizetype p = days.indexOf("P");
        if (p >= 0)
            for (const char* title : {"p1", "p2"}) AddNewResource(planOn(int(p)), title, 1, 5, "");
        plannerDialogs.log.clear();
    }
    // The window on the day, then the menu item, as the user would choose it.
    void on(int day, QAction* item) {
        window->ChangeCurrentDate(schoolDate(day));
        ASSERT_TRUE(item->isEnabled()) << item->objectName().toStdString();
        item->trigger();
    }
    QString calendar(const QString& like) { return readCalendar(like, withResourceTitles); }
    // Shown and active, so that focus moves and typed keys reach the window's handlers.
    void showWindow() {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    // The page of the first objective tab, holding `text`.
    QTextEdit* firstObjectivePage(const QString& text) {
        rt::call(*window->tabObject, ctlTabId::SetText, {rt::Value::integer(1), text});
        for (QTextEdit* page : window->tabObject->findChildren<QTextEdit*>())
            if (page->toPlainText() == text) return page;
        ADD_FAILURE() << "no page holds " << text.toStdString();
        return nullptr;
    }
};

enum class Cmd { Copy, Cut, Paste };

struct Step {
    Cmd cmd;
    int day;
};

struct LessonCase {
    const char* name;
    const char* before;
    std::vector<Step> steps;
    std::deque<qint16> deleteLesson, moveDay; // the dialogs' answers
    const char* after;
    QStringList asked;
    bool refused = false; // the special-day message
};

void PrintTo(const LessonCase& c, std::ostream* os) {
    *os << c.name;
}

class LessonCommands : public EditMenuTest, public ::testing::WithParamInterface<LessonCase> {};

TEST_P(LessonCommands, MovePlansThroughTheLessonClipboard) {
    const LessonCase& c = GetParam();
    write(c.before);
    plannerDialogs.deleteLessonResults = c.deleteLesson;
    plannerDialogs.moveDayResults = c.moveDay;
    const std::map<Cmd, QAction*> items{{Cmd::Copy, window->mnuEditCopyLesson},
                                        {Cmd::Cut, window->mnuEditCutLesson},
                                        {Cmd::Paste, window->mnuEditPasteLesson}};
    for (const Step& s : c.steps) on(s.day, items.at(s.cmd));

    EXPECT_EQ(calendar(c.before), normalized(c.after));
    EXPECT_EQ(doubledDates(), QStringList());
    EXPECT_EQ(plannerDialogs.log, c.asked);
    if (c.refused) {
        ASSERT_EQ(msg.shown.size(), 1);
        EXPECT_EQ(msg.shown[0],
                  (rt::MbRequest{"There is a special day already scheduled for this day. \r\n"
                                 "To schedule or paste a lesson on this day, you must first cut "
                                 "the special day.",
                                 std::nullopt, rt::MbButtons::Ok}));
    } else {
        EXPECT_EQ(msg.shown.size(), 0);
    }
}

const QStringList none, moveDay{"MoveDay"}, deleteLesson{"DeleteLesson"};

INSTANTIATE_TEST_SUITE_P(Table, LessonCommands,
                         ::testing::Values(LessonCase{"paste_on_a_free_day",
                                                      "P . . . . | . . . . .",
                                                      {{Cmd::Copy, 0}, {Cmd::Paste, 2}},
                                                      {},
                                                      {},
                                                      "P(p1+p2) . P(p1+p2) . . | . . . . .",
                                                      none},
                                           LessonCase{"a_plan_without_resources_pastes_none",
                                                      "Q . . . . | . . . . .",
                                                      {{Cmd::Copy, 0}, {Cmd::Paste, 1}},
                                                      {},
                                                      {},
                                                      "Q Q . . . | . . . . .",
                                                      none},
                                           LessonCase{"paste_on_a_special_day_is_refused",
                                                      "P . # . . | . . . . .",
                                                      {{Cmd::Copy, 0}, {Cmd::Paste, 2}},
                                                      {},
                                                      {},
                                                      "P(p1+p2) . # . . | . . . . .",
                                                      none,
                                                      true},
                                           LessonCase{"paste_replace",
                                                      "P Q R . . | . . . . .",
                                                      {{Cmd::Copy, 0}, {Cmd::Paste, 1}},
                                                      {},
                                                      {0},
                                                      "P(p1+p2) P(p1+p2) R . . | . . . . .",
                                                      moveDay},
                                           LessonCase{"paste_insert_shifts_the_run_by_one_school_day",
                                                      "P Q # R . | . . . . .",
                                                      {{Cmd::Copy, 0}, {Cmd::Paste, 1}},
                                                      {},
                                                      {1},
                                                      "P(p1+p2) P(p1+p2) # Q R | . . . . .",
                                                      moveDay},
                                           LessonCase{"paste_cancelled",
                                                      "P Q R . . | . . . . .",
                                                      {{Cmd::Copy, 0}, {Cmd::Paste, 1}},
                                                      {},
                                                      {2},
                                                      "P(p1+p2) Q R . . | . . . . .",
                                                      moveDay},
                                           LessonCase{"a_second_paste_on_the_same_day_asks_again",
                                                      "P . . . . | . . . . .",
                                                      {{Cmd::Copy, 0}, {Cmd::Paste, 2}, {Cmd::Paste, 2}},
                                                      {},
                                                      {0},
                                                      "P(p1+p2) . P(p1+p2) . . | . . . . .",
                                                      moveDay},
                                           LessonCase{"cut_with_the_next_school_day_free_asks_nothing",
                                                      ". . . . P | . . . . .",
                                                      {{Cmd::Cut, 4}, {Cmd::Paste, 6}},
                                                      {},
                                                      {},
                                                      ". . . . . | . P(p1+p2) . . .",
                                                      none},
                                           LessonCase{"cut_clearing_the_day",
                                                      "P Q R . . | . . . . .",
                                                      {{Cmd::Cut, 0}, {Cmd::Paste, 4}},
                                                      {0},
                                                      {},
                                                      ". Q R . P(p1+p2) | . . . . .",
                                                      deleteLesson},
                                           LessonCase{"cut_cancelled",
                                                      "P Q R . . | . . . . .",
                                                      {{Cmd::Cut, 0}},
                                                      {1},
                                                      {},
                                                      "P(p1+p2) Q R . . | . . . . .",
                                                      deleteLesson},
                                           LessonCase{"cut_moving_the_following_plans_earlier",
                                                      "P Q # R . | . . . . .",
                                                      {{Cmd::Cut, 0}, {Cmd::Paste, 5}},
                                                      {2},
                                                      {},
                                                      "Q R # . . | P(p1+p2) . . . .",
                                                      deleteLesson}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditMenuTest, APastedPlanCarriesEveryFieldUnderANewIdOnItsOwnDate) {
    write("P . . . . | . . . . .");
    CourseDB.execute(
        "UPDATE LessonPlans SET TreeID = 14, ItemNumber = '3.2', blocked = 0, Objective1 = 'o1', "
        "Objective2 = 'o2', Objective3 = 'o3', Objective4 = 'o4', Objective5 = 'o5'");
    on(0, window->mnuEditCopyLesson);
    on(3, window->mnuEditPasteLesson);

    const QString fields =
        "TreeID, Title, ItemNumber, blocked, Objective1, Objective2, Objective3, Objective4, "
        "Objective5";
    const QStringList plans = QueryRows("SELECT LessonPlanID, LPDate FROM LessonPlans ORDER BY LPDate");
    ASSERT_EQ(plans.size(), 2);
    EXPECT_EQ(plans[1].section(u'|', 1), "2027-03-04");
    const qint32 copied = planOn(0), pasted = planOn(3);
    EXPECT_NE(pasted, copied);
    EXPECT_EQ(CurrentLesson.LessonPlanID, pasted);
    const auto rows = [](const QString& fields, const QString& table, qint32 id) {
        return QueryRows(
            QStringLiteral("SELECT %1 FROM %2 WHERE LessonPlanID = %3").arg(fields, table).arg(id));
    };
    EXPECT_EQ(rows(fields, "LessonPlans", pasted), rows(fields, "LessonPlans", copied));
    const QString resourceFields = "ResourceID, TypeID, Title, Duration, SortOrder, Descript, Header";
    EXPECT_EQ(rows(resourceFields, "LessonResources", pasted),
              rows(resourceFields, "LessonResources", copied));
}

TEST_F(EditMenuTest, PasteLessonPlanWaitsForTheFirstCopyAndForTheNextAfterAClassCloses) {
    write("P . . . . | . . . . .");
    EXPECT_FALSE(window->mnuEditPasteLesson->isEnabled());
    on(0, window->mnuEditCutLesson);
    EXPECT_TRUE(window->mnuEditPasteLesson->isEnabled());

    CloseClass(planner);
    EXPECT_FALSE(window->mnuEditPasteLesson->isEnabled());
    EXPECT_EQ(LessonClipboard.Lesson.TreeID, -999);
    open();
    window->ChangeCurrentDate(rt::day(2027, 1, 4)); // a day of the sample class with a plan
    EXPECT_TRUE(window->mnuEditCopyLesson->isEnabled());
    EXPECT_FALSE(window->mnuEditPasteLesson->isEnabled());
    window->mnuEditCopyLesson->trigger();
    EXPECT_TRUE(window->mnuEditPasteLesson->isEnabled());
}

// Objectives typed into the tabs reach the plan before a lesson command reads it: a menu command moves
// no focus, so the tabs never lost it.
TEST_F(EditMenuTest, CutLessonPlanTakesTheObjectivesJustTyped) {
    write("P . . . . | . . . . .");
    showWindow();
    window->ChangeCurrentDate(schoolDate(0));
    QTextEdit* page = firstObjectivePage("typed over");
    ASSERT_NE(page, nullptr);
    window->ObjectivesDirty = false;
    page->setFocus();
    page->selectAll();
    QTest::keyClicks(page, "x");
    ASSERT_TRUE(window->ObjectivesDirty);
    window->mnuEditCutLesson->trigger();
    EXPECT_FALSE(window->ObjectivesDirty);
    on(2, window->mnuEditPasteLesson);
    EXPECT_EQ(QueryRows("SELECT LPDate, Objective1 FROM LessonPlans"), QStringList{"2027-03-03|x"});
}

// A lesson command that fails half-way stores nothing of it, and says so; Cut deletes only after a
// complete copy and keeps the earlier clipboard otherwise.
TEST_F(EditMenuTest, AFailedLessonCommandChangesNothing) {
    CourseSettings.AppTitle = "Sample Course";
    const QString before = "P Q R . . | . . . . .";
    write(before);
    on(0, window->mnuEditCopyLesson);

    // Q holds a resource row without minutes: it cannot be copied whole.
    CourseDB.execute(QStringLiteral("INSERT INTO LessonResources (LessonPlanID, ResourceID, TypeID, Title, "
                                    "Duration, SortOrder, Header) VALUES (%1, 6, 2, 'Vane', NULL, 1, 0)")
                         .arg(planOn(1)));
    on(1, window->mnuEditCutLesson);
    EXPECT_EQ(LessonClipboard.Lesson.Title, "P");
    plannerDialogs.deleteLessonResults = {2};
    CourseDB.execute("CREATE TEMP TRIGGER refused BEFORE UPDATE ON LessonPlans "
                     "BEGIN SELECT RAISE(ABORT, 'Record is locked'); END");
    on(0, window->mnuEditCutLesson); // the pull moves R: refused
    plannerDialogs.moveDayResults = {0};
    CourseDB.execute("CREATE TEMP TRIGGER full BEFORE INSERT ON LessonResources "
                     "BEGIN SELECT RAISE(ABORT, 'Disk full'); END");
    on(2, window->mnuEditPasteLesson); // replace R, then the resources: refused

    EXPECT_EQ(calendar(before), normalized("P(p1+p2) Q(Vane) R . . | . . . . ."));
    EXPECT_EQ(LessonClipboard.Lesson.Title, "P");
    EXPECT_EQ(LessonClipboard.Resources.size(), 2);
    EXPECT_EQ(CurrentLesson.LessonPlanID, planOn(2));
    ASSERT_EQ(msg.shown.size(), 3);
    const QString prefix[] = {"The lesson plan could not be copied. The lesson clipboard keeps what it held.",
                              "The lesson plan could not be cut, and no plan was changed.",
                              "The lesson plan could not be pasted, and no plan was changed."};
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(msg.shown[i].text.startsWith(prefix[i] + "\r\n\r\nError "))
            << msg.shown[i].text.toStdString();
        EXPECT_EQ(msg.shown[i].title, "Sample Course");
    }
    EXPECT_TRUE(msg.shown[1].text.endsWith("Record is locked"));
    EXPECT_TRUE(msg.shown[2].text.endsWith("Disk full"));
}

// The real "Delete Lesson" and "Schedule Conflict" dialogs closed by their frames cancel Cut and Paste.
TEST_F(EditMenuTest, ClosingTheDialogsByTheFrameCancelsCutAndPaste) {
    const QString before = "P Q . . . | . . . . .";
    write(before);
    QtPlannerDialogs real(platform);
    Planner withDialogs{platform, real, nullptr, {}};
    PlanX shown(withDialogs, *registry);
    withDialogs.window = &shown;
    shown.UIOpenClass();
    shown.ChangeCurrentDate(schoolDate(1));
    shown.mnuEditCopyLesson->trigger();
    shown.ChangeCurrentDate(schoolDate(0));
    ModalDriver driver;
    driver.then(closeByFrame()).then(closeByFrame());
    shown.mnuEditCutLesson->trigger();
    shown.mnuEditPasteLesson->trigger();
    EXPECT_TRUE(driver.done());
    EXPECT_EQ(calendar(before), normalized("P(p1+p2) Q . . . | . . . . ."));
}

// The real "Schedule Conflict" dialog, and the real special-day dialog that asks it; the wizard scripted.
class ConflictDialogs : public ScriptedDialogs {
public:
    explicit ConflictDialogs(rt::MessageBox& msg) : msg_(msg) {}
    std::unique_ptr<MoveDayDialog> createMoveDay() override { return std::make_unique<MoveDay>(); }
    std::unique_ptr<SpecialDialog> createSpecial() override {
        return std::make_unique<::Special>(msg_, *this);
    }

private:
    rt::MessageBox& msg_;
};

// Enter in the conflict dialog, from every command that asks it, keeps every plan: the day's plan and
// the following ones move on; none is replaced.
TEST_F(EditMenuTest, EnterInTheScheduleConflictKeepsEveryPlan) {
    const QString before = "P Q . . . | . . . . .";
    const struct {
        const char* command;
        std::function<void(PlanX&, ModalDriver&)> run;
        QString after;
    } cases[] = {
        {"Paste Lesson Plan",
         [](PlanX& w, ModalDriver& driver) {
             w.mnuEditCopyLesson->trigger();
             w.ChangeCurrentDate(schoolDate(1));
             driver.then(pressEnter());
             w.mnuEditPasteLesson->trigger();
         },
         "P P Q . . | . . . . ."},
        {"Insert Special Day",
         [](PlanX& w, ModalDriver& driver) {
             driver
                 .then([](QWidget& special) {
                     special.findChild<rt::MonthCalendar*>("SSMonth1")->setDate(schoolDate(0));
                     special.findChild<QComboBox*>("cboSpecial")->setCurrentText("Holiday");
                     special.findChild<QPushButton*>("cmdAdd")->click();
                     special.findChild<QPushButton*>("cmdClose")->click();
                 })
                 .then(pressEnter());
             w.findChild<QPushButton*>("cmdInsertSpecial")->click();
         },
         "# P Q . . | . . . . ."},
        {"Make Lesson Plans",
         [](PlanX& w, ModalDriver& driver) {
             driver.then(pressEnter());
             w.mnuEditMakeLesson->trigger();
         },
         "Air-Takes-Up-Space P Q . . | . . . . ."},
    };
    // Titles only, blanks as dashes, so that a title of several words stays one token.
    const auto title = [](const StoredPlan& plan) { return QString(plan.Title).replace(u' ', u'-'); };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        CourseDB.execute("DELETE FROM LessonResources");
        CourseDB.execute("DELETE FROM LessonPlans");
        write(before);
        ConflictDialogs dialogs(platform.msg);
        dialogs.schedule = {0, schoolDate(0), "1", {12}, {}, {}, 0, 0};
        Planner withDialogs{platform, dialogs, nullptr, {}};
        PlanX shown(withDialogs, *registry);
        withDialogs.window = &shown;
        shown.UIOpenClass();
        shown.ChangeCurrentDate(schoolDate(0));
        ModalDriver driver;
        c.run(shown, driver);
        EXPECT_TRUE(driver.done());
        EXPECT_EQ(readCalendar(before, title), normalized(c.after));
    }
}

TEST_F(EditMenuTest, MakeLessonPlansRunsTheSchedulingAfterTheCommitStep) {
    write(". . . . . | . . . . .");
    window->ObjectivesDirty = true;
    plannerDialogs.schedule = {0, schoolDate(1), "1", {12}, {}, {}, 0, 0};
    window->mnuEditMakeLesson->trigger();
    EXPECT_FALSE(window->ObjectivesDirty);
    EXPECT_EQ(plannerDialogs.log, QStringList{"Schedule"});
    EXPECT_EQ(QueryRows("SELECT LPDate, TreeID FROM LessonPlans"), QStringList{"2027-03-02|12"});
}

// The text controls by kind, each holding "one two" with "two" selected: the window's objectives tabs
// (page 1) and details pane; a locked rich text box and a text box, which the window has none of; the
// chapter tree with its first node, "Unit 1: Air and Sky", selected; the lesson grid at plan P's first
// resource, "p1" of 5 minutes; the New Resource button.
enum class Ctl { Tabs, Rich, LockedRich, TextBox, Tree, Grid, Other };

class TextCommands : public EditMenuTest {
protected:
    void SetUp() override {
        EditMenuTest::SetUp();
        write("P . . . . | . . . . .");
        showWindow();
        window->ChangeCurrentDate(schoolDate(0));
        tabPage = firstObjectivePage("one two");
        ASSERT_NE(tabPage, nullptr);
        QTreeWidget* chapters = window->pvChapter->view();
        ASSERT_GT(chapters->topLevelItemCount(), 0);
        chapters->setCurrentItem(chapters->topLevelItem(0)); // "Unit 1: Air and Sky"
        window->dbgResources->setCurrentIndex(window->dbgResources->model()->index(0, 2));

        locked = new rt::RichTextBox(window->picDayView);
        locked->setLocked(true);
        textBox = new QLineEdit(window->picDayView);
        for (QWidget* w : std::initializer_list<QWidget*>{locked, textBox}) w->show();
        oneTwo(*locked);
        textBox->setText("one two");
        textBox->setSelection(4, 3);
        QTextCursor cursor = tabPage->textCursor();
        cursor.setPosition(4);
        cursor.setPosition(7, QTextCursor::KeepAnchor);
        tabPage->setTextCursor(cursor);
    }

    static void oneTwo(rt::RichTextBox& box) {
        box.setText("one two");
        box.setSelection(4, 3);
    }

    // The control on the page that shows it (the details on the lesson tab's second page, the tree on
    // the resource tab's), the focus coming from a grid, whose focus loss enables Paste Text.
    QWidget* focusOn(Ctl ctl) {
        QWidget* const focused[] = {tabPage,
                                    window->rtbDetails,
                                    locked,
                                    textBox,
                                    window->pvChapter->view(),
                                    window->dbgResources,
                                    window->cmdNewResource};
        QWidget* w = focused[int(ctl)];
        window->tabLesson->setCurrentIndex(ctl == Ctl::Rich ? 1 : 0);
        if (ctl == Ctl::Rich) oneTwo(*window->rtbDetails); // the details page was just filled
        if (ctl == Ctl::Tree) window->tabResource->setCurrentIndex(1);
        (ctl == Ctl::Grid ? window->dbgAdditional : window->dbgResources)->setFocus();
        w->setFocus();
        EXPECT_EQ(QApplication::focusWidget(), w);
        return w;
    }

    QString textOf(Ctl ctl) const {
        switch (ctl) {
        case Ctl::Tabs:
            return rt::call(*window->tabObject, ctlTabId::GetText,
                            {rt::Value::integer(1), rt::Value::boolean(false)})
                .toString();
        case Ctl::Rich: return window->rtbDetails->text();
        case Ctl::LockedRich: return locked->text();
        case Ctl::TextBox: return textBox->text();
        case Ctl::Tree: return window->pvChapter->view()->currentItem()->text(0);
        case Ctl::Grid: return window->dbgResources->currentCellText();
        case Ctl::Other: return window->cmdNewResource->text();
        }
        return {};
    }

    QTextEdit* tabPage = nullptr;
    rt::RichTextBox* locked = nullptr;
    QLineEdit* textBox = nullptr;
};

struct TextCase {
    const char* name;
    Ctl ctl;
    Cmd cmd;
    bool enabled;                // the item as the focus handlers leave it
    const char* clipboardBefore; // nullptr: no text on it
    const char* clipboardAfter;
    int writes;
    const char* textAfter;
    bool ctrlVTyped = false;
    bool emptySelection = false;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.name;
}

class TextCases : public TextCommands, public ::testing::WithParamInterface<TextCase> {};

TEST_P(TextCases, MoveTextBetweenTheFocusedControlAndTheClipboard) {
    const TextCase& c = GetParam();
    if (c.clipboardBefore) clipboard.content = c.clipboardBefore;
    window->CtrlVTyped = c.ctrlVTyped;
    focusOn(c.ctl);
    if (c.emptySelection) textBox->deselect();
    const std::map<Cmd, QAction*> items{{Cmd::Copy, window->mnuEditCopyText},
                                        {Cmd::Cut, window->mnuEditCutText},
                                        {Cmd::Paste, window->mnuEditPasteText}};
    QAction* item = items.at(c.cmd);
    EXPECT_EQ(item->isEnabled(), c.enabled);
    // What the command does with each kind of control, also where this window keeps it off.
    item->setEnabled(true);
    item->trigger();

    EXPECT_EQ(clipboard.content, c.clipboardAfter ? std::optional<QString>(c.clipboardAfter) : std::nullopt);
    EXPECT_EQ(clipboard.writes, c.writes);
    EXPECT_EQ(textOf(c.ctl), c.textAfter);
    EXPECT_FALSE(c.cmd == Cmd::Paste && window->CtrlVTyped);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextCases,
    ::testing::Values(
        TextCase{"copy_tabs", Ctl::Tabs, Cmd::Copy, true, "m", "two", 2, "one two"},
        TextCase{"copy_rich_text", Ctl::Rich, Cmd::Copy, false, nullptr, "two", 2, "one two"},
        TextCase{"copy_text_box", Ctl::TextBox, Cmd::Copy, false, nullptr, "two", 2, "one two"},
        TextCase{"copy_empty_selection_writes_nothing", Ctl::TextBox, Cmd::Copy, false, "m", "m", 0,
                 "one two", false, true},
        TextCase{"copy_tree_node", Ctl::Tree, Cmd::Copy, false, nullptr, "Unit 1: Air and Sky", 2,
                 "Unit 1: Air and Sky"},
        TextCase{"copy_grid_cell", Ctl::Grid, Cmd::Copy, false, nullptr, "05", 2, "05"},
        TextCase{"copy_other_control", Ctl::Other, Cmd::Copy, false, "m", "m", 0, "New Resource"},
        TextCase{"cut_tabs", Ctl::Tabs, Cmd::Cut, true, nullptr, "two", 2, "one "},
        TextCase{"cut_rich_text", Ctl::Rich, Cmd::Cut, false, nullptr, "two", 2, "one "},
        TextCase{"cut_text_box", Ctl::TextBox, Cmd::Cut, false, nullptr, "two", 2, "one "},
        TextCase{"cut_tree_node_copies_only", Ctl::Tree, Cmd::Cut, false, nullptr, "Unit 1: Air and Sky", 2,
                 "Unit 1: Air and Sky"},
        TextCase{"cut_grid_cell_copies_only", Ctl::Grid, Cmd::Cut, false, nullptr, "05", 2, "05"},
        TextCase{"paste_tabs", Ctl::Tabs, Cmd::Paste, true, "m", "m", 0, "one m"},
        TextCase{"paste_tabs_after_ctrl_v_typed", Ctl::Tabs, Cmd::Paste, true, "m", "m", 0, "one two", true},
        TextCase{"paste_rich_text", Ctl::Rich, Cmd::Paste, true, "m", "m", 0, "one m"},
        TextCase{"paste_locked_rich_text", Ctl::LockedRich, Cmd::Paste, true, "m", "m", 0, "one two"},
        TextCase{"paste_text_box", Ctl::TextBox, Cmd::Paste, true, "m", "m", 0, "one m"},
        TextCase{"paste_no_text", Ctl::TextBox, Cmd::Paste, true, nullptr, nullptr, 0, "one two"},
        TextCase{"paste_tree", Ctl::Tree, Cmd::Paste, true, "m", "m", 0, "Unit 1: Air and Sky"},
        TextCase{"paste_grid_cell", Ctl::Grid, Cmd::Paste, false, "7", "7", 0, "07"},
        TextCase{"paste_other_control", Ctl::Other, Cmd::Paste, true, "m", "m", 0, "New Resource"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TextCommands, PastingIntoTheGridWritesTheCellToTheClassFile) {
    clipboard.content = "7";
    focusOn(Ctl::Grid);
    window->mnuEditPasteText->setEnabled(true); // off while the grid has the focus
    window->mnuEditPasteText->trigger();
    EXPECT_EQ(QueryRows("SELECT Title, Duration FROM LessonResources ORDER BY SortOrder"),
              (QStringList{"p1|7", "p2|5"}));
}

// A real Ctrl+V: Qt's text controls take it before the menu's shortcut and paste the system clipboard's
// text themselves, once (the menu's Paste Text, which would clear CtrlVTyped, does not run as well); in
// the lesson grid it pastes nothing, into the cell or into the minutes being typed.
TEST_F(TextCommands, ARealCtrlVPastesOnceIntoEachEditableControlAndNeverIntoTheLessonGrid) {
    QGuiApplication::clipboard()->setText("9");
    clipboard.content = "7"; // what the menu's command would paste
    for (Ctl ctl : {Ctl::Tabs, Ctl::Rich, Ctl::TextBox}) {
        QTest::keyClick(focusOn(ctl), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(textOf(ctl), "one 9") << int(ctl);
        EXPECT_TRUE(window->CtrlVTyped) << int(ctl);
    }

    focusOn(Ctl::Grid);
    rt::typeKeys({'3'}); // opens the minutes' editor
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    QCoreApplication::processEvents();
    rt::typeKeys({Qt::Key_Return});
    focusOn(Ctl::Grid);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(QueryRows("SELECT Title, Duration FROM LessonResources ORDER BY SortOrder"),
              (QStringList{"p1|3", "p2|5"}));
    EXPECT_FALSE(window->CtrlVTyped);

    // Where no text control takes the keys, the menu's shortcut runs its command.
    window->mnuEditCopyText->setEnabled(true); // off since the day view was shown
    QTest::keyClick(focusOn(Ctl::Tree), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard.content, "Unit 1: Air and Sky");
}

} // namespace
