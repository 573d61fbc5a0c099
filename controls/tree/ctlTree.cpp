#include "ctlTree.h"

#include "ctlTreeIds.h"
#include "runtime/error.h"
#include "tree_view.h"

#include <QResizeEvent>

namespace {

// The window system's events have no caller to report an error to: a handler that fails ends there.
template <class F> void quietly(F&& f) {
    try {
        f();
    } catch (const rt::RuntimeError&) {
    }
}

} // namespace

ctlTree::ctlTree(QWidget* parent)
    : rt::Control(parent), tree_(new TreeView(this)), font_([this](const QFont& f) { tree_->setFont(f); }) {
    tree_->setObjectName(QStringLiteral("tree"));
    font_.setFont(ambientFont());
    tree_->setGeometry(rect());
    connect(tree_, &TreeView::mouseDown, this, [this](qint16 button, qint16 shift, double x, double y) {
        quietly([&] { tree_MouseDown(button, shift, x, y); });
    });
    connect(tree_, &TreeView::mouseMoved, this, [this] { surface_.setMousePointer(1); });
    connect(tree_, &TreeView::keyUp, this,
            [this](qint16 keyCode, qint16 shift) { quietly([&] { tree_KeyUp(keyCode, shift); }); });
    connect(tree_, &TreeView::nodeClick, this, [this](TreeNode* node) {
        rt::Value v = rt::Value::object(node);
        quietly([&] { tree_NodeClick(v); });
    });
    connect(tree_, &TreeView::collapsed, this,
            [this](TreeNode* node) { quietly([&] { tree_Collapse(node); }); });
    connect(tree_, &TreeView::expanded, this,
            [this](TreeNode* node) { quietly([&] { tree_Expand(node); }); });
    connect(tree_, &TreeView::startingDrag, this, [this](rt::DataObject& data, qint32& allowed) {
        quietly([&] { tree_OLEStartDrag(data, allowed); });
    });
    // The tree's other drag events reach the host as they are, the effect by reference.
    connect(tree_, &TreeView::dragOver, this,
            [this](rt::DataObject& data, qint32& effect, qint16 button, qint16 shift, double x, double y,
                   qint16 state) {
                rt::Args a{rt::Value::object(&data),  rt::Value::longInt(effect), rt::Value::integer(button),
                           rt::Value::integer(shift), rt::Value::real(x),         rt::Value::real(y),
                           rt::Value::integer(state)};
                quietly([&] {
                    raiseEvent(ctlTreeId::OLEDragOver, a);
                    effect = a.value(1).toInt32();
                });
            });
    connect(tree_, &TreeView::dropped, this,
            [this](rt::DataObject& data, qint32& effect, qint16 button, qint16 shift, double x, double y) {
                rt::Args a{rt::Value::object(&data),  rt::Value::longInt(effect), rt::Value::integer(button),
                           rt::Value::integer(shift), rt::Value::real(x),         rt::Value::real(y)};
                quietly([&] {
                    raiseEvent(ctlTreeId::OLEDragDrop, a);
                    effect = a.value(1).toInt32();
                });
            });
    connect(tree_, &TreeView::dragCompleted, this, [this](qint32& effect) {
        rt::Args a{rt::Value::longInt(effect)};
        quietly([&] {
            raiseEvent(ctlTreeId::OLECompleteDrag, a);
            effect = a.value(0).toInt32();
        });
    });
}

void ctlTree::tree_NodeClick(rt::Value& node) {
    rt::Args a{node};
    raiseEvent(ctlTreeId::TNodeClick, a);
    node = a.value(0);
}

void ctlTree::tree_MouseDown(qint16& button, qint16& shift, double& x, double& y) {
    // Nothing holds a window-update lock on this platform, so there is none to release first.
    RefreshControls();
    TreeNode* hit = tree_->hitTest(x, y);
    tree_->setSelectedItem(hit);
    if (!hit) {
        tree_->setDragMode(0);
        leafSelected_ = false;
        raiseLeafSelected();
        return;
    }
    tree_->setDropHighlight(hit);
    tree_->setDragMode(1);
    leafSelected_ = !hit->hasChildren();
    rt::Args node{rt::Value::object(hit)};
    raiseEvent(ctlTreeId::TChangeSelectedItem, node);
    raiseLeafSelected();
    raiseEvent(ctlTreeId::TNodeClick, node);
    rt::Args press{rt::Value::integer(button), rt::Value::integer(shift), rt::Value::real(x),
                   rt::Value::real(y)};
    raiseEvent(ctlTreeId::TMouseDown, press);
    button = press.value(0).toInt16();
    shift = press.value(1).toInt16();
    x = press.value(2).toDouble();
    y = press.value(3).toDouble();
}

void ctlTree::tree_KeyUp(qint16 keyCode, qint16 shift) {
    switch (keyCode) {
    case 13: // Enter
    case 32: // Space
    case 16: // Shift
    case 17: // Ctrl
    case 18: // Alt
        return;
    }
    TreeNode* node = tree_->selectedItem();
    if (!node) return; // an empty tree has no node to report
    leafSelected_ = !node->hasChildren();
    raiseLeafSelected();
    rt::Args change{rt::Value::integer(keyCode), rt::Value::integer(shift)};
    raiseEvent(ctlTreeId::TNodeChange, change);
    rt::Args click{rt::Value::object(node)};
    raiseEvent(ctlTreeId::TNodeClick, click);
    if (!node->isRemoved()) tree_->setDropHighlight(node);
}

void ctlTree::tree_Collapse(TreeNode* node) {
    tree_->setDragMode(0);
    node->item().setExpanded(false);
    rt::Args a{rt::Value::object(node)};
    raiseEvent(ctlTreeId::Collapse, a);
}

void ctlTree::tree_Expand(TreeNode* node) {
    tree_->setDragMode(0);
    rt::Args a{rt::Value::object(node)};
    raiseEvent(ctlTreeId::Expand, a);
}

void ctlTree::tree_OLEStartDrag(rt::DataObject& data, qint32& allowedEffects) {
    const TreeNode* node = tree_->selectedItem();
    const bool leaf = node && !node->hasChildren();
    tree_->setProperty("Tag", leaf ? "1" : "0");
    allowedEffects = leaf ? 1 : 0;
    rt::call(data, rt::DataObject::SetData, {leaf ? rt::Value(node->key()) : rt::Value(QString())});
}

// The host's handler gets the stored flag itself: what it writes there stays.
void ctlTree::raiseLeafSelected() {
    rt::Args a{rt::Value::boolean(leafSelected_)};
    raiseEvent(ctlTreeId::TChangeLeafSelected, a);
    leafSelected_ = a.value(0).toBool();
}

void ctlTree::RefreshControls() {
    tree_->viewport()->update();
    update();
}

TreeNode& ctlTree::AddNode(const QString& parentKey, const QString& key, const QString& label) {
    return tree_->nodes().add(parentKey, key, label);
}

TreeNode& ctlTree::AddPrimaryNode(const QString& key, const QString& label) {
    return tree_->nodes().add(QString(), key, label);
}

bool ctlTree::RemoveNode(const QString& nodeKey) {
    try {
        TreeNodes& nodes = tree_->nodes();
        nodes.remove(nodes.find(nodeKey));
        return true;
    } catch (const rt::RuntimeError&) {
        return false;
    }
}

void ctlTree::resizeEvent(QResizeEvent* e) {
    tree_->setGeometry(0, 0, e->size().width(), e->size().height());
}

rt::Control* createCtlTree(QWidget* parent) {
    return new ctlTree(parent);
}
