// The lesson panel's commands: adding, removing and moving the plan's resources by buttons,
// double-clicks and drops, the resource's document and details, the teacher's own resource and the
// special day. Every change goes to the class file, and the grids are then read from it again.
#include "plan_x.h"

#include "planner/core/planner.h"
#include "planner/core/resource_documents.h"
#include "planner/data/lesson_resources.h"
#include "planner/data/resource_lookups.h"
#include "planner/dialogs/new_resource.h"
#include "planner/dialogs/resource_details.h"
#include "planner/ui/window_helpers.h"
#include "runtime/error.h"
#include "runtime/outside/tree/outside_tree.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// A step whose failure the command passes over, going on with the next one.
template <typename F> void passOver(F&& step) {
    try {
        step();
    } catch (const rt::RuntimeError&) {
    }
}

} // namespace

// From the browser row, or the first resource of the tree branch, that LastResourceControl shows.
qint32 PlanX::lastResourceID(bool treesFirst) {
    const QString name = LastResourceControl ? LastResourceControl->objectName() : QString();
    if (name == QStringLiteral("pvType")) return GetTypeResourceID(SelectedTreeData(*pvType));
    if (name == QStringLiteral("pvChapter")) return GetChapterResourceID(SelectedTreeData(*pvChapter));
    if (!treesFirst && name == QStringLiteral("dbgResources"))
        return datResources.field("ResourceID").toInt32();
    if (name == QStringLiteral("dbgAdditional"))
        return datAdditional.bof() || datAdditional.eof() ? 0 : datAdditional.field("ResourceID").toInt32();
    return 0;
}

void PlanX::cmdLeft_Click() {
    setFormEnabled(false);
    qint32 resourceID = 0;
    passOver([&] { resourceID = lastResourceID(true); });
    passOver([&] { AddResourceToLesson(CurrentLesson.LessonPlanID, resourceID); });
    passOver([&] { LoadLessonResources(CurrentLesson); });
    setFormEnabled(true);
    passOver([&] { dbgResources->setFocus(); });
}

void PlanX::cmdRight_Click() {
    if (!datResources.eof() && !datResources.bof()) {
        setFormEnabled(false);
        passOver([&] { datResources.remove(); });
        passOver([&] { LoadLessonResources(CurrentLesson); });
        setFormEnabled(true);
    }
    if (datResources.recordCount() == 0) dbgAdditional->setFocus();
}

void PlanX::cmdUp_Click() {
    moveLessonRow(cmdUp, false);
}

void PlanX::cmdDown_Click() {
    moveLessonRow(cmdDown, true);
}

// The selected row changes places with its neighbour and stays selected; an error still leaves the
// window enabled (the handler's guard restores it).
void PlanX::moveLessonRow(QPushButton* pressed, bool down) {
    if (datResources.bof()) return;
    setFormEnabled(false);
    pressed->setEnabled(false);
    rt::Recordset rows = datResources.clone();
    rows.setBookmark(datResources.bookmark());
    const qint32 itemA = rows.field("LessonItemID").toInt32();
    if (down)
        rows.moveNext();
    else
        rows.movePrevious();
    const qint32 itemB = rows.field("LessonItemID").toInt32();
    SwapResourceSort(itemA, itemB, CurrentLesson.LessonPlanID);
    RefreshView();
    datResources.findFirst("LessonItemID", rt::Value::longInt(itemA));
    setFormEnabled(true);
}

void PlanX::cmdView_Click() {
    qint32 resourceID = 0;
    passOver([&] { resourceID = lastResourceID(false); });
    ResourceRecord res;
    passOver([&] { GetResourceDetails(resourceID, res); });
    if (resourceID != 0) passOver([&] { ViewResource(planner_, res); });
}

void PlanX::cmdDescription_Click() {
    qint32 resourceID = 0;
    passOver([&] { resourceID = lastResourceID(false); });
    ResourceRecord res;
    passOver([&] { GetResourceDetails(resourceID, res); });
    ResourceDetails details(this);
    details.txtTitle()->setText(res.Title);
    details.txtTime()->setText(res.Duration < 0 ? QString()
                                                : QStringLiteral("%1").arg(res.Duration, 2, 10, QChar(u'0')));
    details.txtDescription()->setPlainText(res.Descript);
    passOver([&] { details.txtType()->setText(GetTypeName(res.TypeID)); });
    details.showModal();
}

void PlanX::cmdNewResource_Click() {
    NewResource dialog(planner_.platform.msg, this);
    dialog.showModal();
    if (dialog.Result() != 1) return;
    AddNewResource(CurrentLesson.LessonPlanID, dialog.txtTitle()->text(), 0, dialog.Minutes(),
                   dialog.txtDescription()->toPlainText());
    LoadLessonResources(CurrentLesson);
}

void PlanX::cmdInsertSpecial_Click() {
    planner_.dialogs.createSpecial()->showModal();
    ChangeCurrentDate(CurrentLesson.LPDate);
    RefreshView();
}

void PlanX::dbgResources_DblClick() {
    LastResourceControl = dbgResources;
    cmdRight_Click();
}

void PlanX::dbgAdditional_DblClick() {
    LastResourceControl = dbgAdditional;
    cmdLeft_Click();
}

// A grid drags the pressed row's resource.
void PlanX::grid_DragCell(rt::BoundGrid* grid, int bookmark) {
    rt::DataControl& data = grid == dbgResources ? datResources : datAdditional;
    try {
        if (grid == dbgAdditional) dbgAdditional->setFocus();
        data.setBookmark(bookmark);
        DragItemID = data.field("ResourceID").toInt32();
    } catch (const rt::RuntimeError&) {
        if (grid == dbgAdditional) return;
        throw;
    }
    grid->drag(1);
}

// A browser row or a library branch dropped on the plan is added; a plan row dropped on itself is not.
void PlanX::dbgResources_DragDrop(const QString& sourceName) {
    if (sourceName == QStringLiteral("dbgAdditional")) {
        LastResourceControl = dbgAdditional;
        cmdLeft_Click();
    } else if (sourceName == QStringLiteral("pvChapter") || sourceName == QStringLiteral("pvType")) {
        const qint32 id = sourceName == QStringLiteral("pvChapter") ? GetChapterResourceID(DragItemID)
                                                                    : GetTypeResourceID(DragItemID);
        AddResourceToLesson(CurrentLesson.LessonPlanID, id);
        LoadLessonResources(CurrentLesson);
    }
    dbgResources->setFocus();
}

void PlanX::dbgAdditional_DragDrop(const QString& sourceName) {
    if (sourceName == QStringLiteral("dbgResources")) cmdRight_Click();
}
