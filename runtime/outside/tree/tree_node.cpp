#include "tree_node.h"

#include "runtime/com/font_object.h"
#include "runtime/error.h"
#include "tree_ids.h"

#include <QTreeWidget>

namespace rt {

namespace {

constexpr int method = int(CallKind::Method);
constexpr int getOnly = int(CallKind::Get);
constexpr int getLet = int(CallKind::Get) | int(CallKind::Let);

constexpr Member rootTable[] = {
    {pvNodeId::RemoveAll, "RemoveAll", method},
    {pvNodeId::AddChild, "AddChild", method},
    {pvNodeId::Selected, "Selected", getOnly},
    {pvNodeId::Relative, "Get", method},
};

constexpr Member nodeTable[] = {
    {pvNodeId::AddChild, "AddChild", method},
    {pvNodeId::RemoveChildren, "RemoveChildren", method},
    {pvNodeId::ChildInfo, "ChildInfo", method},
    {pvNodeId::HasChildren, "HasChildren", getOnly},
    {pvNodeId::Caption, "Caption", getOnly},
    {pvNodeId::Data, "Data", getLet},
    {pvNodeId::Tag, "Tag", getLet},
    {pvNodeId::Font, "Font", int(CallKind::Set)},
    {pvNodeId::IsSelected, "IsSelected", getOnly},
    {pvNodeId::Select, "Select", method},
};

constexpr int dataRole = Qt::UserRole;
constexpr int tagRole = Qt::UserRole + 1;

// A node the caller asked for that does not exist: the object it would act on is not set.
Value nodeOrError(QTreeWidgetItem* item) {
    if (!item) throw RuntimeError(91);
    return TreeNode::objectOf(item);
}

} // namespace

std::span<const Member> TreeNode::members() const {
    if (isRoot_) return rootTable;
    return nodeTable;
}

Value TreeNode::objectOf(QTreeWidgetItem* item) {
    return Value::object(item ? &static_cast<NodeItem*>(item)->node : nullptr);
}

Value TreeNode::invoke(DispId id, CallKind kind, Args& args) {
    checkMember(id, kind);
    QTreeWidget* view = item_->treeWidget();
    switch (id) {
    case pvNodeId::RemoveAll: view->clear(); return {};
    case pvNodeId::AddChild: return addChild(args);
    case pvNodeId::Selected: return nodeOrError(view->selectedItems().value(0));
    case pvNodeId::Relative: return relative(args);
    case pvNodeId::RemoveChildren: qDeleteAll(item_->takeChildren()); return {};
    case pvNodeId::ChildInfo: return Value::object(this);
    case pvNodeId::HasChildren: return Value::boolean(item_->childCount() > 0);
    case pvNodeId::Caption: return Value(item_->text(0));
    case pvNodeId::Data:
        if (kind == CallKind::Get) return Value::longInt(item_->data(0, dataRole).toInt());
        item_->setData(0, dataRole, argument(args, 0).toInt32());
        return {};
    case pvNodeId::Tag:
        if (kind == CallKind::Get) return Value(item_->data(0, tagRole).toString());
        item_->setData(0, tagRole, argument(args, 0).toString());
        return {};
    case pvNodeId::Font: setFont(args); return {};
    case pvNodeId::IsSelected: return Value::boolean(item_->isSelected());
    default: // Select
        if (argument(args, 0).toBool())
            view->setCurrentItem(item_); // asks BeforeSelChange first, like a click
        else
            item_->setSelected(false);
        return {};
    }
}

Value TreeNode::addChild(const Args& args) {
    // The relative and the relation (0, 0: a last child) carry nothing else.
    argument(args, 0).toInt32();
    argument(args, 1).toInt16();
    const QString caption = argument(args, 2).toString();
    auto* child = new NodeItem(item_);
    child->setText(0, caption);
    return Value::object(&child->node);
}

Value TreeNode::relative(const Args& args) const {
    const int relation = argument(args, 0).toInt16();
    argument(args, 1).toInt16();
    QTreeWidget* view = item_->treeWidget();
    switch (relation) {
    case pvRelation::Selected: return nodeOrError(view->selectedItems().value(0));
    case pvRelation::First: return nodeOrError(view->topLevelItem(0));
    default: throw RuntimeError(380);
    }
}

void TreeNode::setFont(const Args& args) {
    item_->setFont(0, fontObjectOf(argument(args, 0)).font());
}

} // namespace rt
