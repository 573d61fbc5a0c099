#pragma once

#include "runtime/com/data_object.h"
#include "tree_nodes.h"

#include <QTreeWidget>

// The common tree view inside the tree control: nodes by key, the selected and the drop-highlighted node,
// hit testing, and its own settings. Positions are in twips; errors are RuntimeErrors (380 for a setting
// out of range). Its events come out as signals; drag data travels as a rt::DataObject with effects 0 (none),
// 1 (copy) and 2 (move).
class TreeView : public QTreeWidget {
    Q_OBJECT
public:
    explicit TreeView(QWidget* parent);

    TreeNodes& nodes() { return nodes_; }
    TreeNode* selectedItem() const;
    void setSelectedItem(TreeNode* node); // nullptr: no node selected
    TreeNode* dropHighlight() const;
    void setDropHighlight(TreeNode* node);
    TreeNode* hitTest(double x, double y) const;

    // 0 manual, 1 automatic: whether a press on a node may start a drag.
    qint16 dragMode() const { return dragMode_; }
    void setDragMode(qint16 mode);
    // 0 tree lines, 1 root lines; kept, Qt draws its own lines.
    qint16 lineStyle() const { return lineStyle_; }
    void setLineStyle(qint16 style);
    // 0 to 7 (7: lines, plus and minus, pictures and text); kept, Qt draws its own.
    qint16 treeStyle() const { return style_; }
    void setTreeStyle(qint16 style);
    double indentationTwips() const { return indentation_; }
    void setIndentationTwips(double twips);
    // 0 automatic (a click on the selected node or F2 edits its text), 1 manual.
    qint16 labelEdit() const { return labelEdit_; }
    void setLabelEdit(qint16 mode);
    // 0 none, 1 fixed single.
    qint16 borderStyle() const { return borderStyle_; }
    void setBorderStyle(qint16 style);

signals:
    void mouseDown(qint16 button, qint16 shift, double x, double y);
    void mouseMoved();
    void keyUp(qint16 keyCode, qint16 shift);
    void nodeClick(TreeNode* node);
    void collapsed(TreeNode* node);
    void expanded(TreeNode* node);
    // The handler fills `data` and sets the effects the drag allows.
    void startingDrag(rt::DataObject& data, qint32& allowedEffects);
    // The handler may change `effect`: what a drop here would do. `state` 0 enter, 1 leave, 2 over.
    void dragOver(rt::DataObject& data, qint32& effect, qint16 button, qint16 shift, double x, double y,
                  qint16 state);
    void dropped(rt::DataObject& data, qint32& effect, qint16 button, qint16 shift, double x, double y);
    void dragCompleted(qint32& effect);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dragLeaveEvent(QDragLeaveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    void pressed(QMouseEvent* e);
    void draggedOver(QDragMoveEvent* e, qint16 state);

    TreeNodes nodes_;
    rt::DataObject dragData_;
    TreeNode* dropHighlight_ = nullptr;
    qint16 dragMode_ = 0, lineStyle_ = 0, style_ = 7, labelEdit_ = 0, borderStyle_ = 0;
    double indentation_ = 150.23;
};
