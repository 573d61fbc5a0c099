#include "tree_nodes.h"

#include "ctlTreeIds.h"
#include "runtime/error.h"

#include <QTreeWidget>
#include <algorithm>

namespace {

using rt::CallKind;
constexpr int getLet = int(CallKind::Get) | int(CallKind::Let);

// A row of the tree that knows its node. Rows compare by text without case, as the sorted tree orders
// its top-level nodes.
class NodeItem : public QTreeWidgetItem {
public:
    NodeItem(const QString& text, TreeNode* node) : QTreeWidgetItem(QStringList{text}), node(node) {
        setFlags(flags() | Qt::ItemIsEditable);
    }
    bool operator<(const QTreeWidgetItem& other) const override {
        return text(0).compare(other.text(0), Qt::CaseInsensitive) < 0;
    }
    TreeNode* node;
};

rt::RuntimeError elementNotFound() {
    return rt::RuntimeError(35601, QStringLiteral("Element not found"));
}

void forEachBelow(QTreeWidgetItem* item, const std::function<void(QTreeWidgetItem*)>& f) {
    f(item);
    for (int i = 0; i < item->childCount(); ++i) forEachBelow(item->child(i), f);
}

} // namespace

QTreeWidgetItem& TreeNode::item() const {
    if (!item_) throw rt::RuntimeError(35605, QStringLiteral("Control has been deleted"));
    return *item_;
}

bool TreeNode::hasChildren() const {
    return item().childCount() > 0;
}

std::span<const rt::Member> TreeNode::members() const {
    using namespace ctlTreeId::Node;
    static constexpr rt::Member table[] = {
        {Key, "Key", int(CallKind::Get)},
        {Text, "Text", getLet},
        {Tag, "Tag", getLet},
        {Expanded, "Expanded", getLet},
        {Selected, "Selected", getLet},
        {Children, "Children", int(CallKind::Get)},
    };
    return table;
}

rt::Value TreeNode::invoke(rt::DispId id, CallKind kind, rt::Args& args) {
    using namespace ctlTreeId::Node;
    checkMember(id, kind);
    QTreeWidgetItem& row = item();
    const bool reading = kind == CallKind::Get;
    switch (id) {
    case Key: return key_;
    case Text:
        if (reading) return row.text(0);
        row.setText(0, rt::argument(args, 0).toString());
        return {};
    case Tag:
        if (reading) return tag;
        tag = rt::argument(args, 0);
        return {};
    case Expanded:
        if (reading) return rt::Value::boolean(row.isExpanded());
        row.setExpanded(rt::argument(args, 0).toBool());
        return {};
    case Selected:
        if (reading) return rt::Value::boolean(row.isSelected());
        if (rt::argument(args, 0).toBool())
            row.treeWidget()->setCurrentItem(&row);
        else
            row.setSelected(false);
        return {};
    default: return rt::Value::longInt(row.childCount());
    }
}

TreeNode& TreeNodes::add(const QString& parentKey, const QString& key, const QString& text) {
    QTreeWidgetItem* parent = nullptr;
    if (!parentKey.isEmpty()) {
        const TreeNode* p = byKey(parentKey);
        if (!p) throw elementNotFound();
        parent = &p->item();
    }
    return insert(parent, key, text);
}

TreeNode& TreeNodes::insert(QTreeWidgetItem* parent, const QString& key, const QString& text) {
    if (!key.isEmpty() && byKey_.contains(key))
        throw rt::RuntimeError(35602, QStringLiteral("Key is not unique in collection"));
    auto& node = *owned_.emplace_back(std::make_unique<TreeNode>(key, nullptr));
    auto* row = new NodeItem(text, &node);
    node.item_ = row;
    if (parent) {
        parent->addChild(row);
    } else {
        int at = tree_.topLevelItemCount();
        if (sorted_)
            while (at > 0 && *row < *tree_.topLevelItem(at - 1)) --at;
        tree_.insertTopLevelItem(at, row);
    }
    row->setExpanded(false);
    order_.push_back(&node);
    if (!key.isEmpty()) byKey_.insert(key, &node);
    return node;
}

void TreeNodes::remove(TreeNode& node) {
    QTreeWidgetItem* row = &node.item();
    forEachBelow(row, [&](QTreeWidgetItem* r) {
        TreeNode* n = nodeOf(r);
        byKey_.remove(n->key_);
        n->item_ = nullptr;
    });
    std::erase_if(order_, [](const TreeNode* n) { return n->isRemoved(); });
    delete row;
}

void TreeNodes::clear() {
    for (TreeNode* n : order_) n->item_ = nullptr;
    order_.clear();
    byKey_.clear();
    tree_.clear();
}

void TreeNodes::assign(const TreeNodes& other) {
    if (&other == this) return;
    clear();
    copyChildren(*other.tree_.invisibleRootItem(), nullptr);
}

void TreeNodes::copyChildren(const QTreeWidgetItem& from, QTreeWidgetItem* to) {
    for (int i = 0; i < from.childCount(); ++i) {
        const TreeNode& source = *nodeOf(from.child(i));
        TreeNode& copy = insert(to, source.key(), from.child(i)->text(0));
        copy.tag = source.tag;
        copyChildren(*from.child(i), copy.item_);
    }
}

TreeNode& TreeNodes::find(const rt::Value& indexOrKey) const {
    if (indexOrKey.type() == rt::VarType::String) {
        if (TreeNode* n = byKey(indexOrKey.toString())) return *n;
        throw elementNotFound();
    }
    const qint32 index = indexOrKey.toInt32();
    if (index < 1 || index > count()) throw rt::RuntimeError(35600, QStringLiteral("Index out of bounds"));
    return *order_[index - 1];
}

TreeNode* TreeNodes::byKey(const QString& key) const {
    return key.isEmpty() ? nullptr : byKey_.value(key);
}

TreeNode* TreeNodes::nodeOf(QTreeWidgetItem* item) {
    return item ? static_cast<NodeItem*>(item)->node : nullptr;
}

void TreeNodes::setSorted(bool sorted) {
    sorted_ = sorted;
    if (sorted) tree_.invisibleRootItem()->sortChildren(0, Qt::AscendingOrder);
}

std::span<const rt::Member> TreeNodes::members() const {
    using namespace ctlTreeId::Nodes;
    constexpr int method = int(CallKind::Method);
    static constexpr rt::Member table[] = {
        {Count, "Count", int(CallKind::Get)},
        {Item, "Item", int(CallKind::Get) | method},
        {Add, "Add", method},
        {Remove, "Remove", method},
        {Clear, "Clear", method},
    };
    return table;
}

rt::Value TreeNodes::invoke(rt::DispId id, CallKind kind, rt::Args& args) {
    using namespace ctlTreeId::Nodes;
    checkMember(id, kind);
    switch (id) {
    case Count: return rt::Value::longInt(qint32(count()));
    case Item: return rt::Value::object(&find(rt::argument(args, 0)));
    case Add: {
        const rt::Value relative = args.value(0);
        const QString relativeKey = relative.isEmpty() ? QString() : relative.toString();
        if (!relativeKey.isEmpty() && args.value(1).toInt16() != child)
            throw rt::RuntimeError(5); // only children are placed by a relative
        return rt::Value::object(&add(relativeKey, args.value(2).toString(), args.value(3).toString()));
    }
    case Remove: remove(find(rt::argument(args, 0))); return {};
    default: clear(); return {};
    }
}
