#include "planner/core/class_files.h"
#include "planner/data/testing/query_rows.h"
#include "planner/window/tests/main_window_fixture.h"
#include "runtime/com/twips.h"
#include "runtime/outside/tree/outside_tree.h"
#include "runtime/outside/tree/tree_ids.h"
#include "shared/course_settings.h"

#include <QDrag>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QTreeWidget>

namespace {

enum class Library { Chapter, Type };

// The main window on a copy of sample1.lkc, shown offscreen with its day view in front, so that presses
// and focus moves raise the trees' events.
class ResourceBrowserTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        file = classFixture("sample1.lkc");
        OpenClassFile(planner, file);
        ASSERT_EQ(ClassFilePath, file);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        msg.shown.clear();
    }

    rt::OutsideTree* tree(Library library) const {
        return library == Library::Chapter ? window->pvChapter : window->pvType;
    }

    // The resource tab's library page with the library's option set by a click.
    void showLibrary(Library library) {
        window->tabResource->setCurrentIndex(1);
        QRadioButton* option = library == Library::Chapter ? window->opChapter : window->opByType;
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
        ASSERT_TRUE(option->isChecked());
    }

    // The branch with that caption, its parents expanded (which fills them) so that it shows.
    QTreeWidgetItem* branch(Library library, const QString& caption) const {
        QTreeWidget* view = tree(library)->view();
        for (QTreeWidgetItem* found = nullptr; !found;) {
            const QList<QTreeWidgetItem*> items =
                view->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
            if (!items.isEmpty()) {
                found = items.first();
                for (QTreeWidgetItem* p = found->parent(); p; p = p->parent()) p->setExpanded(true);
                return found;
            }
            // Not filled yet: open every top branch once.
            bool opened = false;
            for (int i = 0; i < view->topLevelItemCount(); ++i)
                if (!view->topLevelItem(i)->isExpanded()) {
                    view->topLevelItem(i)->setExpanded(true);
                    opened = true;
                }
            if (!opened) break;
        }
        ADD_FAILURE() << "no branch " << caption.toStdString();
        return nullptr;
    }

    QPoint centre(Library library, QTreeWidgetItem* item) const {
        return tree(library)->view()->visualItemRect(item).center();
    }

    void press(Library library, const QString& caption) {
        QTreeWidgetItem* item = branch(library, caption);
        ASSERT_NE(item, nullptr);
        QTest::mouseClick(tree(library)->view()->viewport(), Qt::LeftButton, {}, centre(library, item));
    }

    // Below the last branch, where no branch is.
    void pressBelow(Library library) {
        QWidget* viewport = tree(library)->view()->viewport();
        QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(10, viewport->height() - 5));
    }

    // The tree's events as the tree raises them.
    static void raise(rt::OutsideTree* tree, int event, rt::Args args) { emit tree->raised(event, args); }

    // Manual drags the tree started; each one leaves its drag object with the tree.
    static qsizetype drags(const rt::OutsideTree* tree) { return tree->findChildren<QDrag*>().size(); }

    // Of two controls of one container, `a` lies over `b`.
    static bool inFront(const QWidget* a, const QWidget* b) {
        const QObjectList& order = a->parentWidget()->children();
        return order.indexOf(a) > order.indexOf(b);
    }

    QString selected(Library library) const {
        const QList<QTreeWidgetItem*> items = tree(library)->view()->selectedItems();
        return items.isEmpty() ? QString() : items.first()->text(0);
    }

    // cmdLeft, cmdView(0), cmdDescription: "+" on, "-" off.
    QString browserButtons() const {
        QString s;
        for (const QPushButton* b : {window->cmdLeft, window->cmdView[0], window->cmdDescription})
            s += b->isEnabledTo(window->picDayView) ? u'+' : u'-';
        return s;
    }

    // cmdRight, cmdUp, cmdDown.
    QString lessonButtons() const {
        QString s;
        for (const QPushButton* b : {window->cmdRight, window->cmdUp, window->cmdDown})
            s += b->isEnabledTo(window->picDayView) ? u'+' : u'-';
        return s;
    }

    void setButtons(bool on) {
        for (QPushButton* b : {window->cmdLeft, window->cmdRight, window->cmdUp, window->cmdDown,
                               window->cmdView[0], window->cmdDescription})
            b->setEnabled(on);
    }

    // The day view of a date: its plan in the lesson panel.
    void showDay(int day) { window->ChangeCurrentDate(rt::day(2027, 1, day)); }

    QStringList plan() const {
        return QueryRows(QStringLiteral("SELECT ResourceID FROM LessonResources WHERE LessonPlanID=%1 "
                                        "ORDER BY SortOrder, LessonItemID")
                             .arg(CurrentLesson.LessonPlanID));
    }

    QStringList titles() const {
        QStringList out;
        const QAbstractItemModel& m = *window->dbgResources->model();
        for (int r = 0; r < m.rowCount(); ++r) out << m.index(r, 1).data().toString();
        return out;
    }

    QString file;
};

struct BranchCase {
    Library library;
    QString caption; // none: the tree is empty, so its library has no branch to select
    QString buttons; // cmdLeft, cmdView(0), cmdDescription
};

class BranchButtons : public ResourceBrowserTest, public testing::WithParamInterface<BranchCase> {};

TEST_P(BranchButtons, FollowTheBranchAndItsFirstResource) {
    const BranchCase& c = GetParam();
    if (c.caption.isEmpty())
        rt::call(*rt::get(*tree(c.library), rt::pvTreeId::Root).toObject(), rt::pvNodeId::RemoveAll);
    showLibrary(c.library);
    if (!c.caption.isEmpty()) press(c.library, c.caption);
    EXPECT_EQ(selected(c.library), c.caption);
    EXPECT_EQ(browserButtons(), c.buttons);
    EXPECT_EQ(texts(), QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Libraries, BranchButtons,
    testing::Values(BranchCase{Library::Chapter, "What Is Air?", "+++"},        // first resource with a PDF
                    BranchCase{Library::Chapter, "Classroom Posters", "+-+"},   // first resource without one
                    BranchCase{Library::Chapter, "Empty Shelf", "+--"},         // no resource at all
                    BranchCase{Library::Chapter, "Unit 1: Air and Sky", "---"}, // not a leaf
                    BranchCase{Library::Type, "Videos", "+-+"}, BranchCase{Library::Type, "Hands-On", "+++"},
                    BranchCase{Library::Chapter, "", "---"}, BranchCase{Library::Type, "", "---"}));

TEST_F(ResourceBrowserTest, APressStartsADragOnlyFromALeafAndTurnsTheLessonButtonsOff) {
    showLibrary(Library::Chapter);
    press(Library::Chapter, "Unit 1: Air and Sky");
    // Pressed again while cmdLeft is on: a branch that is not a leaf leaves it as it was.
    setButtons(true);
    window->DragItemID = -7;
    press(Library::Chapter, "Unit 1: Air and Sky");
    raise(window->pvChapter, rt::pvTreeEvent::MouseMove, {rt::Value::integer(1)});
    EXPECT_TRUE(window->cmdLeft->isEnabledTo(window->picDayView));
    EXPECT_EQ(lessonButtons(), "---");
    EXPECT_EQ(window->DragItemID, -7);
    EXPECT_EQ(drags(window->pvChapter), 0);

    setButtons(true);
    press(Library::Chapter, "Clouds");
    EXPECT_EQ(window->DragItemID, 102);
    EXPECT_EQ(lessonButtons(), "---");
    // Moving without the left button drags nothing; with it, the leaf is dragged with its copy icon.
    raise(window->pvChapter, rt::pvTreeEvent::MouseMove, {rt::Value::integer(0)});
    EXPECT_EQ(drags(window->pvChapter), 0);
    raise(window->pvChapter, rt::pvTreeEvent::MouseMove, {rt::Value::integer(1)});
    ASSERT_EQ(drags(window->pvChapter), 1);
    EXPECT_FALSE(window->pvChapter->findChild<QDrag*>()->pixmap().isNull());
    EXPECT_EQ(texts(), QStringList());
}

// A press below the last branch of a tree with nothing selected finds no branch: it only turns the
// lesson buttons off, and a move with the button down drags nothing.
TEST_F(ResourceBrowserTest, APressOnATreeWithNothingSelectedChangesNothingElse) {
    for (Library library : {Library::Chapter, Library::Type}) {
        showLibrary(library);
        tree(library)->view()->clearSelection();
        setButtons(true);
        window->DragItemID = -7;
        pressBelow(library);
        raise(tree(library), rt::pvTreeEvent::MouseMove, {rt::Value::integer(1)});
        QTest::mouseRelease(tree(library)->view()->viewport(), Qt::LeftButton);
        EXPECT_EQ(selected(library), "");
        EXPECT_EQ(browserButtons(), "+++");
        EXPECT_EQ(lessonButtons(), "---");
        EXPECT_EQ(window->DragItemID, -7);
        EXPECT_EQ(drags(tree(library)), 0);
    }
    EXPECT_EQ(texts(), QStringList());
}

TEST_F(ResourceBrowserTest, ALibraryChosenWithNothingSelectedSelectsItsFirstBranch) {
    // No option is set before the first choice: the library page shows the chapters, nothing selected.
    setButtons(true);
    window->tabResource->setCurrentIndex(1);
    EXPECT_EQ(selected(Library::Chapter), "");
    EXPECT_EQ(browserButtons(), "---");

    setButtons(true);
    QTest::mouseClick(window->opByType, Qt::LeftButton, {}, QPoint(8, window->opByType->height() / 2));
    EXPECT_EQ(selected(Library::Type), "Teacher Guides");
    EXPECT_EQ(browserButtons(), "---");
    EXPECT_TRUE(inFront(window->pvType, window->pvChapter));

    press(Library::Type, "Videos");
    QTest::mouseClick(window->opChapter, Qt::LeftButton, {}, QPoint(8, window->opChapter->height() / 2));
    EXPECT_EQ(selected(Library::Chapter), "Unit 1: Air and Sky");
    EXPECT_EQ(browserButtons(), "---");
    // Back to the other library: its selection is kept and its buttons set for it.
    QTest::mouseClick(window->opByType, Qt::LeftButton, {}, QPoint(8, window->opByType->height() / 2));
    EXPECT_EQ(selected(Library::Type), "Videos");
    EXPECT_EQ(browserButtons(), "+-+");

    // Closing the class chooses the chapter library again.
    CloseClass(planner);
    EXPECT_TRUE(window->opChapter->isChecked());
    EXPECT_TRUE(inFront(window->pvChapter, window->pvType));
    EXPECT_EQ(texts(), QStringList());
}

TEST_F(ResourceBrowserTest, TheTreesKeepTheirSelectionAndACollapsedBranchTakesIt) {
    showLibrary(Library::Chapter);
    press(Library::Chapter, "Clouds");
    window->tabResource->setCurrentIndex(0);
    EXPECT_FALSE(window->dbgAdditional->isHidden());
    window->tabResource->setCurrentIndex(1);
    EXPECT_TRUE(window->dbgAdditional->isHidden());
    EXPECT_EQ(selected(Library::Chapter), "Clouds");
    QTreeWidgetItem* unit = branch(Library::Chapter, "Unit 1: Air and Sky");
    EXPECT_TRUE(unit->isExpanded());
    EXPECT_EQ(browserButtons(), "+++");

    unit->setExpanded(false);
    EXPECT_EQ(selected(Library::Chapter), "Unit 1: Air and Sky");
    EXPECT_EQ(browserButtons(), "---");
    EXPECT_EQ(texts(), QStringList());
}

TEST_F(ResourceBrowserTest, TheDetailsPageCoversTheBrowserAndTheSummaryGivesItBack) {
    using rt::twips::toPx;
    showDay(11);
    struct Page {
        int tab;
        bool details;
        int widthTwips;
    };
    for (const Page& page : {Page{1, true, 9420}, Page{0, false, 4605}}) {
        window->tabLesson->setCurrentIndex(page.tab);
        EXPECT_EQ(window->tabResource->isHidden(), page.details);
        EXPECT_EQ(window->tabResource->isEnabledTo(window->picDayView), !page.details);
        EXPECT_EQ(window->picDetails->isHidden(), !page.details);
        EXPECT_EQ(window->Label1[1]->isHidden(), page.details);
        EXPECT_EQ(window->tabLesson->width(), toPx(page.widthTwips));
    }
    // The details page lies over the browser's trees.
    window->tabLesson->setCurrentIndex(1);
    EXPECT_TRUE(window->picDetails->geometry().contains(window->pvChapter->geometry().center()));
    EXPECT_EQ(texts(), QStringList());
}

TEST_F(ResourceBrowserTest, TheTypeLibraryIsEnabledOnlyWhenTheCourseShowsIt) {
    for (bool shown : {false, true}) {
        CourseSettings.ShowResLib2 = shown;
        window->tabResource->setCurrentIndex(0);
        for (QWidget* w : std::initializer_list<QWidget*>{window->opByType, window->opChapter, window->pvType,
                                                          window->pvChapter})
            w->setEnabled(false);
        window->tabResource->setCurrentIndex(1);
        EXPECT_EQ(window->opByType->isEnabledTo(window->picDayView), shown);
        EXPECT_EQ(window->opChapter->isEnabledTo(window->picDayView), shown);
        EXPECT_EQ(window->pvType->isEnabledTo(window->picDayView), shown);
        EXPECT_TRUE(window->pvChapter->isEnabledTo(window->picDayView));
    }
}

// Monday 11 January 2027 holds the plan of its course lesson: 25 minutes.
TEST_F(ResourceBrowserTest, BranchesDroppedAndDoubleClickedAddTheirFirstResourceAndARowDroppedBackLeaves) {
    showDay(11);
    ASSERT_EQ(window->lblTime->text(), "25 minutes");
    const QStringList before = plan();
    showLibrary(Library::Chapter);

    press(Library::Chapter, "Clouds");
    emit window->dbgResources->dragDrop(QStringLiteral("pvChapter"));
    EXPECT_EQ(titles().last(), "Cloud in a Jar");
    EXPECT_EQ(plan(), before + QStringList{"10"});
    EXPECT_EQ(window->lblTime->text(), "40 minutes");

    window->dbgResources->setCurrentIndex(window->dbgResources->model()->index(titles().size() - 1, 1));
    raise(window->pvChapter, rt::pvTreeEvent::DragDrop,
          {QStringLiteral("dbgResources"), rt::Value::real(0), rt::Value::real(0)});
    EXPECT_EQ(plan(), before);
    EXPECT_EQ(window->lblTime->text(), "25 minutes");
    // A drop from anything else only ends the drag.
    raise(window->pvChapter, rt::pvTreeEvent::DragDrop,
          {QStringLiteral("dbgAdditional"), rt::Value::real(0), rt::Value::real(0)});
    EXPECT_EQ(plan(), before);

    showLibrary(Library::Type);
    QTreeWidgetItem* handsOn = branch(Library::Type, "Hands-On");
    ASSERT_NE(handsOn, nullptr);
    QTest::mouseClick(window->pvType->view()->viewport(), Qt::LeftButton, {}, centre(Library::Type, handsOn));
    QTest::mouseDClick(window->pvType->view()->viewport(), Qt::LeftButton, {},
                       centre(Library::Type, handsOn));
    EXPECT_EQ(plan(), before + QStringList{"6"});

    // A resource without a title (R's mend) adds a row with an empty title, and the day shows again.
    showLibrary(Library::Chapter);
    press(Library::Chapter, "Weather Log Pages");
    emit window->dbgResources->dragDrop(QStringLiteral("pvChapter"));
    EXPECT_EQ(plan(), before + QStringList({"6", "40"}));
    EXPECT_EQ(titles().last(), "");
    showDay(11);
    EXPECT_EQ(plan(), before + QStringList({"6", "40"}));
    EXPECT_EQ(texts(), QStringList());
}

TEST_F(ResourceBrowserTest, ABrowserRowDraggedOntoTheLessonGridIsAdded) {
    showDay(4);
    window->tabResource->setCurrentIndex(0);
    const QAbstractItemModel& browser = *window->dbgAdditional->model();
    ASSERT_EQ(browser.rowCount(), 1);
    ASSERT_EQ(browser.index(0, 1).data().toString(), "Bubbles Video");
    window->dbgAdditional->setFocus();
    window->dbgAdditional->setCurrentIndex(browser.index(0, 1));
    emit window->dbgResources->dragDrop(QStringLiteral("dbgAdditional"));
    EXPECT_EQ(plan().last(), "4");
    EXPECT_EQ(titles().last(), "Bubbles Video");
    EXPECT_EQ(texts(), QStringList());
}

} // namespace
