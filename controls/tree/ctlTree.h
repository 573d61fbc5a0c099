#pragma once

#include "runtime/com/control.h"
#include "runtime/com/font_object.h"
#include "runtime/com/picture_object.h"
#include "surface.h"

namespace rt {
class DataObject;
}
class TreeNode;
class TreeView;

// The tree control: one tree view covering its surface, node operations by key, and events that tell
// the host which node is selected and whether it is a leaf. Only a leaf can be dragged out of it.
// Members, events and node members by dispatch id: ctlTreeIds.h.
class ctlTree : public rt::Control {
    Q_OBJECT
public:
    explicit ctlTree(QWidget* parent = nullptr);

    rt::Value invoke(rt::DispId id, rt::CallKind kind, rt::Args& args) override;
    std::span<const rt::Member> members() const override;

    void initProperties() override;
    void readProperties(rt::PropertyBag& bag) override;
    void writeProperties(rt::PropertyBag& bag) override;

    // What the tree's own events run; hosts reach the first two by dispatch id too. Arguments are by
    // reference: what the event handlers write into them comes back to the caller.
    void tree_NodeClick(rt::Value& node);
    void tree_MouseDown(qint16& button, qint16& shift, double& x, double& y);
    void RefreshControls();
    TreeNode& AddNode(const QString& parentKey, const QString& key, const QString& label);
    TreeNode& AddPrimaryNode(const QString& key, const QString& label);
    bool RemoveNode(const QString& nodeKey);

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void tree_KeyUp(qint16 keyCode, qint16 shift);
    void tree_Collapse(TreeNode* node);
    void tree_Expand(TreeNode* node);
    void tree_OLEStartDrag(rt::DataObject& data, qint32& allowedEffects);
    void raiseLeafSelected();

    // Member access by dispatch id.
    rt::Value getProperty(rt::DispId id);
    void assignProperty(rt::DispId id, const rt::Value& value);
    rt::Value callMethod(rt::DispId id, rt::Args& args);
    TreeNode* nodeArgument(const rt::Value& value) const;
    void setDragMode(qint16 mode);
    void applyFont(const QFont& font);

    TreeView* tree_;
    Surface surface_{*this};
    bool dirty_ = false, leafSelected_ = false, enabled_ = true;
    rt::Value image_ = rt::Value::integer(0);
    qint32 backColor_ = 0, foreColor_ = 0;
    qint16 backStyle_ = 0, borderStyle_ = 0, dragMode_ = 0;
    // What the font and mouse icon members hand out.
    rt::FontObject font_;
    rt::PictureObject mouseIcon_;
};

// How the component machinery makes one.
rt::Control* createCtlTree(QWidget* parent);
