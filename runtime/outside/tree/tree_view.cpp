#include "tree_view.h"

#include "runtime/com/control.h"
#include "runtime/com/data_object.h"
#include "runtime/com/event_args.h"
#include "runtime/ui/manual_drag.h"
#include "tree_ids.h"

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QMouseEvent>

namespace rt {

namespace {

Qt::DropAction actionOf(qint32 effect) {
    if (effect & dropEffect::Move) return Qt::MoveAction;
    if (effect & dropEffect::Copy) return Qt::CopyAction;
    return Qt::IgnoreAction;
}

qint32 effectOf(Qt::DropAction action) {
    if (action == Qt::MoveAction) return dropEffect::Move;
    if (action == Qt::CopyAction) return dropEffect::Copy;
    return dropEffect::None;
}

} // namespace

TreeView::TreeView(Control& owner) : QTreeWidget(&owner), owner_(owner), root_(invisibleRootItem(), true) {
    setHeaderHidden(true);
    setColumnCount(1);
    // The column is as wide as its longest text, so a long title scrolls sideways instead of being cut.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setSelectionMode(SingleSelection);
    setMouseTracking(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        // Expanding shows the children at the next paint, so a fill run here is what shows.
        raise(pvTreeEvent::BeforeExpand, {TreeNode::objectOf(item)});
        raise(pvTreeEvent::AfterExpand, {TreeNode::objectOf(item)});
    });
    connect(this, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { raise(pvTreeEvent::AfterCollapse, {TreeNode::objectOf(item)}); });
    connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (QTreeWidgetItem* item = selectedItems().value(0))
            raise(pvTreeEvent::AfterSelChange, {TreeNode::objectOf(item)});
    });
    ManualDrag::makeTarget(viewport(), [this](const QString& source, QPoint pos) {
        raise(pvTreeEvent::DragDrop, {Value(source), Value::real(pos.x()), Value::real(pos.y())});
    });
}

void TreeView::raise(int event, Args args) {
    emit owner_.raised(event, args);
}

QItemSelectionModel::SelectionFlags TreeView::selectionCommand(const QModelIndex& index,
                                                               const QEvent* event) const {
    const auto flags = QTreeWidget::selectionCommand(index, event);
    // The view asks again at the release when the press changed nothing: a refusal at the press
    // holds for the whole click.
    if (event && event->type() == QEvent::MouseButtonRelease)
        return refusedPress_ ? QItemSelectionModel::NoUpdate : flags;
    QTreeWidgetItem* item = itemFromIndex(index);
    if (!item || !(flags & QItemSelectionModel::Select) || item->isSelected()) return flags;
    Args args{TreeNode::objectOf(item), Value::boolean(true)};
    emit owner_.raised(pvTreeEvent::BeforeSelChange, args);
    const bool permitted = args[1].toBool();
    if (event && event->type() == QEvent::MouseButtonPress) refusedPress_ = !permitted;
    return permitted ? flags : QItemSelectionModel::NoUpdate;
}

void TreeView::raiseButton(int event, QMouseEvent* mouse) {
    if (mouse->button() != Qt::LeftButton) return;
    raise(event, {TreeNode::objectOf(itemAt(mouse->position().toPoint())),
                  Value::integer(mouseButtons(mouse->button()))});
}

void TreeView::mousePressEvent(QMouseEvent* event) {
    refusedPress_ = false;
    QTreeWidget::mousePressEvent(event); // the selection changes first, as the handlers expect
    raiseButton(pvTreeEvent::LButtonDown, event);
}

void TreeView::mouseReleaseEvent(QMouseEvent* event) {
    QTreeWidget::mouseReleaseEvent(event);
    raiseButton(pvTreeEvent::LButtonUp, event);
}

void TreeView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeWidget::mouseDoubleClickEvent(event);
    raiseButton(pvTreeEvent::LButtonDblClick, event);
}

void TreeView::mouseMoveEvent(QMouseEvent* event) {
    QTreeWidget::mouseMoveEvent(event);
    raise(pvTreeEvent::MouseMove, {Value::integer(mouseButtons(event->buttons()))});
}

void TreeView::focusInEvent(QFocusEvent* event) {
    QTreeWidget::focusInEvent(event);
    raise(pvTreeEvent::GotFocus, {});
}

void TreeView::focusOutEvent(QFocusEvent* event) {
    QTreeWidget::focusOutEvent(event);
    raise(pvTreeEvent::LostFocus, {});
}

// OLE data over the tree: the handler chooses the effect. Manual drags never get here: the
// viewport's drop filter takes them.
void TreeView::dragOver(QDragMoveEvent* event) {
    data_.attachReadOnly(event->mimeData());
    Args args{Value::object(&data_), Value::longInt(effectOf(event->proposedAction()))};
    emit owner_.raised(pvTreeEvent::OLEDragOver, args);
    data_.detach();
    const Qt::DropAction action = actionOf(args[1].toInt32());
    if (action == Qt::IgnoreAction) {
        event->ignore();
        return;
    }
    event->setDropAction(action);
    event->accept();
}

void TreeView::dragEnterEvent(QDragEnterEvent* event) {
    dragOver(event);
}

void TreeView::dragMoveEvent(QDragMoveEvent* event) {
    dragOver(event);
}

void TreeView::dropEvent(QDropEvent* event) {
    event->ignore(); // the tree takes no OLE data
}

} // namespace rt
