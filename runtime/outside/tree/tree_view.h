#pragma once

#include "runtime/com/data_object.h"
#include "tree_node.h"

#include <QTreeWidget>

namespace rt {

class Control;

// The item view inside the outside tree: it turns the view's doings into the tree's events and lets a
// BeforeSelChange handler refuse a change of the selection.
class TreeView : public QTreeWidget {
public:
    explicit TreeView(Control& owner);

    TreeNode& root() { return root_; }
    // The data object of the OLE events, attached to the data while one runs.
    DataObject& dataObject() { return data_; }

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void raise(int event, Args args);
    void raiseButton(int event, QMouseEvent* mouse);
    void dragOver(QDragMoveEvent* event);

    Control& owner_;
    TreeNode root_;
    DataObject data_;
    mutable bool refusedPress_ = false;
};

} // namespace rt
