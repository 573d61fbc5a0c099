// The resource browser of the day view: the two library trees (by chapter, by resource type), the
// browser grid's page, the lesson tab's summary and details pages, and the rules of the buttons that
// act on the branch the teacher chose. A leaf of a tree is dragged onto the lesson grid to add its first
// resource; a plan row dropped on a tree leaves the plan.
#include "plan_x.h"
#include "plan_x_design.h"

#include "planner/core/planner.h"
#include "planner/data/course_database.h"
#include "planner/data/library_trees.h"
#include "planner/data/resource_lookups.h"
#include "planner/dialogs/dialog_controls.h"
#include "planner/ui/window_helpers.h"
#include "runtime/com/twips.h"
#include "runtime/error.h"
#include "runtime/outside/tree/outside_tree.h"
#include "runtime/outside/tree/tree_ids.h"
#include "shared/course_settings.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

namespace {

using rt::twips::toPx;

// The lesson tab strip's widths: over the lesson panel only, and over the browser as well.
constexpr int kSummaryWidth = 4605, kDetailsWidth = 9420;

// The selected branch of a tree; none when nothing is selected (an empty tree has no selection).
rt::Dispatch* selectedBranch(rt::Dispatch& tree) {
    if (rt::get(tree, rt::pvTreeId::SelectedCount).toInt32() == 0) return nullptr;
    return rt::get(objectOf(rt::get(tree, rt::pvTreeId::Root)), rt::pvNodeId::Selected).toObject();
}

qint32 itemData(rt::Dispatch& branch) {
    return rt::get(branch, rt::pvNodeId::Data).toInt32();
}

} // namespace

void PlanX::makeBrowser() {
    // Frames the arrows between the lesson panel and the browser while the summary shows.
    Label1[1] = designed<QLabel>(picDayView, "Label1");
    Label1[1]->setProperty("Index", 1);
    Label1[1]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    place(Label1[1], 4650, 1455, 405, 1755);
    Label1[1]->lower();
    // The details page covers the browser too; it lies hidden until the lesson tab shows it.
    picDetails->setGeometry(toPx(45), toPx(405), toPx(kDetailsWidth), toPx(5190));

    for (rt::OutsideTree* tree : {pvChapter, pvType})
        connect(
            tree, &rt::Control::raised, &focusEvents_,
            [this, tree](int event, rt::Args& args) { runHandler([&] { tree_Event(*tree, event, args); }); },
            Qt::DirectConnection);
    onSet(opChapter, &PlanX::opChapter_Click);
    onSet(opByType, &PlanX::opByType_Click);
    connect(tabLesson, &QTabBar::currentChanged, this, [this] { runHandler([this] { tabLesson_Click(); }); });
    connect(tabResource, &QTabBar::currentChanged, this,
            [this] { runHandler([this] { tabResource_Click(); }); });
}

void PlanX::ShowByChapter() {
    cmdDescription->setEnabled(false);
    cmdView[0]->setEnabled(false);
    pvChapter->raise();
}

void PlanX::ShowByType() {
    cmdDescription->setEnabled(false);
    cmdView[0]->setEnabled(false);
    pvType->raise();
}

void PlanX::EvalChapterButtons(rt::Dispatch* branch) {
    evalTreeButtons(*pvChapter, branch);
}

void PlanX::EvalTypeButtons(rt::Dispatch* branch) {
    evalTreeButtons(*pvType, branch);
}

// The browser-side buttons for a branch: Description for a node with a resource, View for a first
// resource with a document, Left (add) for a leaf.
void PlanX::evalTreeButtons(rt::OutsideTree& tree, rt::Dispatch* branch) {
    if (!branch) {
        for (QPushButton* b : {cmdDescription, cmdView[0], cmdLeft}) b->setEnabled(false);
        return;
    }
    bool hasPDF = false;
    qint32 resourceID = 0;
    if (&tree == pvType)
        TypeHasResources(itemData(*branch), hasPDF, resourceID);
    else
        HasResources(itemData(*branch), hasPDF, resourceID);
    cmdDescription->setEnabled(resourceID >= 1);
    cmdView[0]->setEnabled(hasPDF);
    cmdLeft->setEnabled(IsTreeLeafSelected(tree));
}

void PlanX::ShowResourceTree() {
    dbgAdditional->setVisible(false);
    cmdView[0]->setEnabled(false);
    cmdDescription->setEnabled(false);
    if (CourseSettings.ShowResLib2)
        for (QWidget* w : std::initializer_list<QWidget*>{opByType, opChapter, pvType}) w->setEnabled(true);
    pvChapter->setEnabled(true);
    if (opByType->isChecked()) {
        pvType->raise();
        EvalTypeButtons(selectedBranch(*pvType));
        LastResourceControl = pvType;
    } else {
        pvChapter->raise();
        EvalChapterButtons(selectedBranch(*pvChapter));
        LastResourceControl = pvChapter;
    }
}

void PlanX::ShowAdditional() {
    try {
        dbgAdditional->raise();
        dbgAdditional->setVisible(true);
        cmdView[0]->setEnabled(false);
        cmdDescription->setEnabled(false);
        if (datAdditional.bookmark() < 0) return;
        qint32 resourceID = datAdditional.field("ResourceID").toInt32();
        EvalRResourceButtons(resourceID);
    } catch (const rt::RuntimeError&) {
        // The buttons stay off: the page shows without a row to act on.
    }
}

void PlanX::ShowSummary() {
    picSummary->raise();
    Label1[1]->setVisible(true);
    tabResource->setVisible(true);
    tabResource->setEnabled(true);
    picDetails->setVisible(false);
    tabLesson->resize(toPx(kSummaryWidth), tabLesson->height());
}

void PlanX::ShowDetails() {
    picDetails->raise();
    Label1[1]->setVisible(false);
    LoadDetails();
    picDetails->setVisible(true);
    tabResource->setVisible(false);
    tabResource->setEnabled(false);
    tabLesson->resize(toPx(kDetailsWidth), tabLesson->height());
}

void PlanX::tabLesson_Click() {
    if (tabLesson->currentIndex() == 0)
        ShowSummary();
    else
        ShowDetails();
}

void PlanX::tabResource_Click() {
    // Closing a class turns the strip back to its first tab; with no class there is nothing to show.
    if (ClassFilePath.isEmpty()) return;
    if (tabResource->currentIndex() == 0)
        ShowAdditional();
    else
        ShowResourceTree();
}

void PlanX::opChapter_Click() {
    showLibrary(*pvChapter);
}

void PlanX::opByType_Click() {
    showLibrary(*pvType);
}

// The library switch: its tree to the front with a branch selected (the first one when none was), and
// the buttons for that branch. An empty tree has no branch, and the buttons go off.
void PlanX::showLibrary(rt::OutsideTree& tree) {
    if (&tree == pvType)
        ShowByType();
    else
        ShowByChapter();
    rt::Dispatch* branch = nullptr;
    try {
        tree.setFocus();
        branch = selectedBranch(tree);
        if (!branch) {
            rt::Dispatch& root = objectOf(rt::get(tree, rt::pvTreeId::Root));
            branch = &objectOf(rt::call(root, rt::pvNodeId::Relative,
                                        {rt::Value::longInt(rt::pvRelation::First), rt::Value::integer(0)}));
            rt::call(*branch, rt::pvNodeId::Select, {rt::Value::integer(1)});
        }
    } catch (const rt::RuntimeError&) {
    }
    evalTreeButtons(tree, branch);
}

void PlanX::tree_Event(rt::OutsideTree& tree, int event, rt::Args& args) {
    switch (event) {
    case rt::pvTreeEvent::AfterCollapse:
        // The selection stays visible: a collapsed branch takes it from its hidden children.
        rt::call(objectOf(args[0]), rt::pvNodeId::Select, {rt::Value::integer(1)});
        break;
    case rt::pvTreeEvent::AfterExpand: tree.setFocus(); break;
    case rt::pvTreeEvent::AfterSelChange: try { evalTreeButtons(tree, args[0].toObject());
        } catch (const rt::RuntimeError&) {
        }
        tree.setFocus();
        break;
    case rt::pvTreeEvent::BeforeExpand:
        // No click reaches the tree while the children are read.
        tree.setEnabled(false);
        try {
            if (&tree == pvType)
                FillResourcetypeChildren(planner_.platform.loop, objectOf(args[0]));
            else
                FillchapterTreeChildren(planner_.platform.loop, objectOf(args[0]));
        } catch (const rt::RuntimeError&) {
            // The failure is told; the tree stays usable.
            tree.setEnabled(true);
            throw;
        }
        tree.setEnabled(true);
        tree.setFocus();
        break;
    case rt::pvTreeEvent::DragDrop: tree_DragDrop(args[0].toString()); break;
    case rt::pvTreeEvent::GotFocus:
        if (&tree == pvChapter) cmdRight->setEnabled(false);
        break;
    case rt::pvTreeEvent::LButtonDblClick:
        LastResourceControl = &tree;
        cmdLeft_Click();
        break;
    case rt::pvTreeEvent::LButtonDown: tree_LButtonDown(tree); break;
    case rt::pvTreeEvent::LostFocus: LastResourceControl = &tree; break;
    case rt::pvTreeEvent::MouseMove: tree_MouseMove(tree, args[0].toInt16()); break;
    default: break; // the data-object drag is not used by the browser
    }
}

// The press has already made the pressed branch the selected one. A press beside every branch of a
// tree with nothing selected has no branch to read.
void PlanX::tree_LButtonDown(rt::OutsideTree& tree) {
    if (selectedBranch(tree) && IsTreeLeafSelected(tree)) {
        DragItemID = SelectedTreeData(tree);
        cmdLeft->setEnabled(true);
    }
    for (QPushButton* b : {cmdRight, cmdUp, cmdDown}) b->setEnabled(false);
}

void PlanX::tree_MouseMove(rt::OutsideTree& tree, qint16 button) {
    if ((button & 1) && selectedBranch(tree) && IsTreeLeafSelected(tree)) tree.drag(1);
}

// A plan row dropped on a library leaves the plan; any other drop only ends its drag, which the drag
// itself does on release.
void PlanX::tree_DragDrop(const QString& sourceName) {
    if (sourceName == QStringLiteral("dbgResources")) cmdRight_Click();
}
