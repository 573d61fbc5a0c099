#pragma once

#include "runtime/com/dispatch.h"

#include <QHash>
#include <QString>
#include <memory>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;
class TreeNodes;

// One node of the tree view, as hosts hold it: they read its key and tag by name. The object lives as
// long as its tree; once the node is removed every member raises 35605.
class TreeNode : public rt::Dispatch {
public:
    TreeNode(QString key, QTreeWidgetItem* item) : key_(std::move(key)), item_(item) {}

    rt::Value invoke(rt::DispId id, rt::CallKind kind, rt::Args& args) override;
    std::span<const rt::Member> members() const override;

    const QString& key() const { return key_; }
    bool isRemoved() const { return item_ == nullptr; }
    // The node's row in the tree; 35605 once the node is removed.
    QTreeWidgetItem& item() const;
    bool hasChildren() const;
    rt::Value tag;

private:
    friend class TreeNodes;
    QString key_;
    QTreeWidgetItem* item_;
};

// The tree view's node collection: nodes by key (compared exactly; an empty key is no key) and by index
// from 1 in the order they were added. With `sorted` the top-level nodes are kept in text order.
class TreeNodes : public rt::Dispatch {
public:
    explicit TreeNodes(QTreeWidget& tree) : tree_(tree) {}

    // A new node, collapsed, as the last child of the node keyed `parentKey`, or at the top when that is
    // empty. 35601 when no node has the parent key, 35602 when another node has `key`.
    TreeNode& add(const QString& parentKey, const QString& key, const QString& text);
    // Removes the node and everything below it.
    void remove(TreeNode& node);
    void clear();
    // Replaces every node with copies of `other`'s (keys, texts, tags and their order).
    void assign(const TreeNodes& other);

    // By key (a text) or by index from 1 (a number); 35601 for an unknown key, 35600 for a bad index.
    TreeNode& find(const rt::Value& indexOrKey) const;
    TreeNode* byKey(const QString& key) const;
    // The node of one of the tree's rows.
    static TreeNode* nodeOf(QTreeWidgetItem* item);
    qsizetype count() const { return order_.size(); }

    bool sorted() const { return sorted_; }
    void setSorted(bool sorted);

    rt::Value invoke(rt::DispId id, rt::CallKind kind, rt::Args& args) override;
    std::span<const rt::Member> members() const override;

private:
    TreeNode& insert(QTreeWidgetItem* parent, const QString& key, const QString& text);
    void copyChildren(const QTreeWidgetItem& from, QTreeWidgetItem* to);

    QTreeWidget& tree_;
    std::vector<std::unique_ptr<TreeNode>> owned_; // removed nodes too: hosts may still hold them
    std::vector<TreeNode*> order_;
    QHash<QString, TreeNode*> byKey_;
    bool sorted_ = false;
};
