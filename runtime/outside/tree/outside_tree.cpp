#include "outside_tree.h"

#include "tree_ids.h"
#include "tree_view.h"

#include <QDrag>
#include <QMimeData>
#include <QVBoxLayout>
#include <memory>

namespace rt {

namespace {

constexpr int getOnly = int(CallKind::Get);
constexpr Member table[] = {
    {pvTreeId::Root, "Root", getOnly},
    {pvTreeId::Branches, "Branches", getOnly},
    {pvTreeId::SelectedCount, "SelectedCount", getOnly},
    {pvTreeId::HWnd, "hWnd", getOnly},
    {pvTreeId::StartDrag, "StartDrag", int(CallKind::Method)},
};

Qt::DropActions actionsOf(qint32 effects) {
    Qt::DropActions actions;
    if (effects & dropEffect::Copy) actions |= Qt::CopyAction;
    if (effects & dropEffect::Move) actions |= Qt::MoveAction;
    return actions;
}

} // namespace

OutsideTree::OutsideTree(QWidget* parent) : Control(parent), DragExtender(this), view_(new TreeView(*this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    setFocusProxy(view_);
}

QTreeWidget* OutsideTree::view() const {
    return view_;
}

std::span<const Member> OutsideTree::members() const {
    return table;
}

Value OutsideTree::invoke(DispId id, CallKind kind, Args&) {
    checkMember(id, kind);
    switch (id) {
    case pvTreeId::Root:
    case pvTreeId::Branches: return Value::object(&view_->root());
    case pvTreeId::SelectedCount: return Value::longInt(qint32(view_->selectedItems().size()));
    case pvTreeId::HWnd: return Value::longInt(0); // no window handles here; nothing needs one
    default: startDrag(); return {};
    }
}

// An OLE drag of the tree: the OLEStartDrag handler fills the data and allows the effects.
void OutsideTree::startDrag() {
    auto mime = std::make_unique<QMimeData>();
    DataObject& data = view_->dataObject();
    data.attach(mime.get());
    Args args{Value::object(&data), Value::longInt(dropEffect::None)};
    raiseEvent(pvTreeEvent::OLEStartDrag, args);
    data.detach();
    const Qt::DropActions actions = actionsOf(args[1].toInt32());
    if (!actions) return;
    auto* drag = new QDrag(this);
    drag->setMimeData(mime.release());
    drag->exec(actions);
}

} // namespace rt
