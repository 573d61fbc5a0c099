#pragma once

#include "runtime/com/dispatch.h"

#include <QTreeWidgetItem>

namespace rt {

// The node interface of the outside tree, over one item; the root object is the same interface over
// the tree's invisible root item, with the members that act on the whole tree.
class TreeNode : public Dispatch {
public:
    TreeNode(QTreeWidgetItem* item, bool isRoot) : item_(item), isRoot_(isRoot) {}

    Value invoke(DispId id, CallKind kind, Args& args) override;
    std::span<const Member> members() const override;

    // The node object of an item of the tree, as hosts receive it.
    static Value objectOf(QTreeWidgetItem* item);

private:
    Value addChild(const Args& args);
    Value relative(const Args& args) const;
    void setFont(const Args& args);

    QTreeWidgetItem* item_;
    bool isRoot_;
};

// A tree item that carries its node object, so that the object lives exactly as long as the item.
class NodeItem : public QTreeWidgetItem {
public:
    explicit NodeItem(QTreeWidgetItem* parent) : QTreeWidgetItem(parent), node(this, false) {}
    TreeNode node;
};

} // namespace rt
