#pragma once

#include "runtime/com/control.h"
#include "runtime/ui/manual_drag.h"

class QTreeWidget;

namespace rt {

class TreeView;

// The outside tree: nodes with a caption, a data number, a tag text and a font, filled by the hosts
// level by level; reached by the ids of tree_ids.h, raising the events listed there.
class OutsideTree : public Control, public DragExtender {
    Q_OBJECT
public:
    explicit OutsideTree(QWidget* parent = nullptr);

    Value invoke(DispId id, CallKind kind, Args& args) override;
    std::span<const Member> members() const override;

    // The windows set what they need when they load; nothing of the tree is kept in their data.
    void initProperties() override {}
    void readProperties(PropertyBag&) override {}
    void writeProperties(PropertyBag&) override {}

    QTreeWidget* view() const;

private:
    void startDrag();

    TreeView* view_;
};

} // namespace rt
