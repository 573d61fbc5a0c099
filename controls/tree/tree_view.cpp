#include "tree_view.h"

#include "property_range.h"
#include "runtime/com/event_args.h"
#include "runtime/com/twips.h"

#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <memory>

namespace {

qint32 effectsOf(Qt::DropActions actions) {
    return (actions & Qt::CopyAction ? 1 : 0) | (actions & Qt::MoveAction ? 2 : 0);
}

Qt::DropActions actionsOf(qint32 effects) {
    Qt::DropActions actions;
    if (effects & 1) actions |= Qt::CopyAction;
    if (effects & 2) actions |= Qt::MoveAction;
    return actions;
}

Qt::DropAction actionOf(qint32 effect) {
    return effect & 1 ? Qt::CopyAction : effect & 2 ? Qt::MoveAction : Qt::IgnoreAction;
}

double twipsOf(qreal px) {
    return px * rt::twips::perPixel;
}

} // namespace

TreeView::TreeView(QWidget* parent) : QTreeWidget(parent), nodes_(*this) {
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(SingleSelection);
    setMouseTracking(true);
    viewport()->setAcceptDrops(true);
    setDragEnabled(false);
    setFrameShape(NoFrame);
    setLabelEdit(labelEdit_);
    setIndentationTwips(indentation_);
    connect(this, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* i) { emit nodeClick(TreeNodes::nodeOf(i)); });
    connect(this, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* i) { emit collapsed(TreeNodes::nodeOf(i)); });
    connect(this, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* i) { emit expanded(TreeNodes::nodeOf(i)); });
}

TreeNode* TreeView::selectedItem() const {
    QTreeWidgetItem* item = currentItem();
    return item && item->isSelected() ? TreeNodes::nodeOf(item) : nullptr;
}

void TreeView::setSelectedItem(TreeNode* node) {
    if (node) {
        setCurrentItem(&node->item());
    } else {
        setCurrentItem(nullptr);
        clearSelection();
    }
}

TreeNode* TreeView::dropHighlight() const {
    return dropHighlight_ && !dropHighlight_->isRemoved() ? dropHighlight_ : nullptr;
}

void TreeView::setDropHighlight(TreeNode* node) {
    if (TreeNode* old = dropHighlight()) {
        old->item().setBackground(0, QBrush());
        old->item().setForeground(0, QBrush());
    }
    dropHighlight_ = node;
    if (node) {
        node->item().setBackground(0, palette().highlight());
        node->item().setForeground(0, palette().highlightedText());
    }
}

TreeNode* TreeView::hitTest(double x, double y) const {
    return TreeNodes::nodeOf(itemAt(rt::twips::toPx(x), rt::twips::toPx(y)));
}

void TreeView::setDragMode(qint16 mode) {
    dragMode_ = inRange(mode, 0, 1);
    setDragEnabled(mode == 1);
}

void TreeView::setLineStyle(qint16 style) {
    lineStyle_ = inRange(style, 0, 1);
}

void TreeView::setTreeStyle(qint16 style) {
    style_ = inRange(style, 0, 7);
}

void TreeView::setIndentationTwips(double twips) {
    if (!(twips >= 0)) throw rt::RuntimeError(380);
    indentation_ = twips;
    setIndentation(rt::twips::toPx(twips));
}

void TreeView::setLabelEdit(qint16 mode) {
    labelEdit_ = inRange(mode, 0, 1);
    setEditTriggers(mode == 0 ? EditTriggers(SelectedClicked | EditKeyPressed) : NoEditTriggers);
}

void TreeView::setBorderStyle(qint16 style) {
    borderStyle_ = inRange(style, 0, 1);
    setFrameShape(style == 0 ? NoFrame : StyledPanel);
}

void TreeView::pressed(QMouseEvent* e) {
    const QPointF p = e->position();
    emit mouseDown(rt::mouseButtons(e->button()), rt::shiftState(e->modifiers()), twipsOf(p.x()),
                   twipsOf(p.y()));
}

void TreeView::mousePressEvent(QMouseEvent* e) {
    QTreeWidget::mousePressEvent(e);
    pressed(e);
}

void TreeView::mouseDoubleClickEvent(QMouseEvent* e) {
    QTreeWidget::mouseDoubleClickEvent(e);
    pressed(e);
}

void TreeView::mouseMoveEvent(QMouseEvent* e) {
    QTreeWidget::mouseMoveEvent(e);
    emit mouseMoved();
}

void TreeView::keyReleaseEvent(QKeyEvent* e) {
    // A held key repeats its press, not its release.
    if (!e->isAutoRepeat()) emit keyUp(rt::keyCode(e->key()), rt::shiftState(e->modifiers()));
    QTreeWidget::keyReleaseEvent(e);
}

void TreeView::startDrag(Qt::DropActions) {
    auto data = std::make_unique<QMimeData>();
    qint32 allowed = 0;
    dragData_.attach(data.get());
    emit startingDrag(dragData_, allowed);
    dragData_.detach();
    qint32 effect = 0;
    if (actionsOf(allowed)) {
        auto* drag = new QDrag(this);
        drag->setMimeData(data.release());
        effect = effectsOf(drag->exec(actionsOf(allowed)));
    }
    emit dragCompleted(effect);
}

void TreeView::draggedOver(QDragMoveEvent* e, qint16 state) {
    qint32 effect = effectsOf(e->possibleActions());
    const QPointF p = e->position();
    dragData_.attachReadOnly(e->mimeData());
    emit dragOver(dragData_, effect, rt::mouseButtons(e->buttons()), rt::shiftState(e->modifiers()),
                  twipsOf(p.x()), twipsOf(p.y()), state);
    dragData_.detach();
    e->setDropAction(actionOf(effect));
    e->setAccepted(actionOf(effect) != Qt::IgnoreAction);
}

void TreeView::dragEnterEvent(QDragEnterEvent* e) {
    draggedOver(e, 0);
    e->accept(); // the moves that follow decide where a drop may land
}

void TreeView::dragMoveEvent(QDragMoveEvent* e) {
    draggedOver(e, 2);
}

void TreeView::dragLeaveEvent(QDragLeaveEvent*) {
    // Leaving carries no data and no position any more.
    qint32 effect = 0;
    emit dragOver(dragData_, effect, 0, 0, 0, 0, 1);
}

void TreeView::dropEvent(QDropEvent* e) {
    qint32 effect = effectsOf(e->possibleActions());
    const QPointF p = e->position();
    dragData_.attachReadOnly(e->mimeData());
    emit dropped(dragData_, effect, rt::mouseButtons(e->buttons()), rt::shiftState(e->modifiers()),
                 twipsOf(p.x()), twipsOf(p.y()));
    dragData_.detach();
    e->setDropAction(actionOf(effect));
    e->setAccepted(actionOf(effect) != Qt::IgnoreAction);
}
