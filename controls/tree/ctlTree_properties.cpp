// The tree control's persisted properties: what a new control starts with, and the container's bag.
#include "ctlTree.h"

#include "property_range.h"
#include "tree_view.h"

#include <QHash>

namespace {

using rt::Value;

const Value nothing = Value::object(nullptr);

// The default of every key but "Font", whose default is the container's ambient font.
const QHash<QString, Value>& defaults() {
    static const QHash<QString, Value> table = {
        {"MouseIcon", nothing},
        {"BackColor", Value::longInt(0)},
        {"ForeColor", Value::longInt(0)},
        {"Enabled", Value::boolean(true)},
        {"BackStyle", Value::integer(0)},
        {"BorderStyle", Value::integer(0)},
        {"DragMode", Value::integer(0)},
        {"ScaleHeight", Value::real(3600)},
        {"ScaleLeft", Value::real(0)},
        {"ScaleMode", Value::integer(1)},
        {"ScaleTop", Value::real(0)},
        {"ScaleWidth", Value::real(4800)},
        {"AutoRedraw", Value::boolean(true)},
        {"MousePointer", Value::integer(0)},
        {"DrawMode", Value::integer(13)},
        {"DrawStyle", Value::integer(0)},
        {"DrawWidth", Value::integer(1)},
        {"TDirty", Value::boolean(false)},
        {"TLeafSelected", Value::boolean(false)},
        {"TLineStyle", Value::integer(0)},
        {"TSorted", Value::boolean(false)},
        {"TStyle", Value::integer(7)},
        {"TIndentation", Value::real(150.23)},
        {"TImage", Value::integer(0)},
        {"TSelectedItem", nothing},
    };
    return table;
}

Value read(rt::PropertyBag& bag, const QString& key) {
    return bag.readProperty(key, defaults().value(key));
}

void write(rt::PropertyBag& bag, const QString& key, const Value& value) {
    bag.writeProperty(key, value, defaults().value(key));
}

bool isNothing(const Value& v) {
    return v.type() == rt::VarType::Object && !v.toObject();
}

} // namespace

void ctlTree::initProperties() {
    dirty_ = false;
    leafSelected_ = false;
    image_ = Value::integer(0);
    backColor_ = 0;
    foreColor_ = 0;
    enabled_ = true;
    font_.setFont(ambientFont());
    backStyle_ = 0;
    borderStyle_ = 0;
    dragMode_ = 0;
}

// Font, Enabled, BorderStyle and DragMode are kept, not yet given to the surface or the tree.
void ctlTree::readProperties(rt::PropertyBag& bag) {
    surface_.setMouseIcon(rt::pictureFromValue(read(bag, "MouseIcon")));
    font_.setFont(rt::fontFromValue(bag.readProperty("Font", rt::fontValue(ambientFont()))));
    backColor_ = read(bag, "BackColor").toInt32();
    foreColor_ = read(bag, "ForeColor").toInt32();
    enabled_ = read(bag, "Enabled").toBool();
    backStyle_ = read(bag, "BackStyle").toInt16();
    borderStyle_ = inRange(read(bag, "BorderStyle").toInt16(), 0, 1);
    dragMode_ = inRange(read(bag, "DragMode").toInt16(), 0, 1);
    surface_.scaleLeft = read(bag, "ScaleLeft").toDouble();
    surface_.setScaleMode(read(bag, "ScaleMode").toInt16());
    surface_.scaleTop = read(bag, "ScaleTop").toDouble();
    surface_.setScaleWidth(read(bag, "ScaleWidth").toDouble());
    surface_.autoRedraw = read(bag, "AutoRedraw").toBool();
    surface_.setMousePointer(read(bag, "MousePointer").toInt16());
    surface_.setDrawMode(read(bag, "DrawMode").toInt16());
    surface_.setDrawStyle(read(bag, "DrawStyle").toInt16());
    surface_.setDrawWidth(read(bag, "DrawWidth").toInt16());
    tree_->setLineStyle(read(bag, "TLineStyle").toInt16());
    tree_->nodes().setSorted(read(bag, "TSorted").toBool());
    tree_->setTreeStyle(read(bag, "TStyle").toInt16());
    tree_->setIndentationTwips(read(bag, "TIndentation").toDouble());
    dirty_ = read(bag, "TDirty").toBool();
    leafSelected_ = read(bag, "TLeafSelected").toBool();
    image_ = read(bag, "TImage");
    // The selected node is kept by its key: a node object outlives no form.
    const Value selected = read(bag, "TSelectedItem");
    tree_->setSelectedItem(isNothing(selected) ? nullptr : tree_->nodes().byKey(selected.toString()));
}

void ctlTree::writeProperties(rt::PropertyBag& bag) {
    write(bag, "MouseIcon", rt::pictureValue(surface_.mouseIcon()));
    write(bag, "BackColor", Value::longInt(backColor_));
    write(bag, "ForeColor", Value::longInt(foreColor_));
    write(bag, "Enabled", Value::boolean(enabled_));
    bag.writeProperty("Font", rt::fontValue(font_.font()), rt::fontValue(ambientFont()));
    write(bag, "BackStyle", Value::integer(backStyle_));
    write(bag, "BorderStyle", Value::integer(borderStyle_));
    write(bag, "DragMode", Value::integer(dragMode_));
    write(bag, "ScaleHeight", Value::real(surface_.scaleHeight()));
    write(bag, "ScaleLeft", Value::real(surface_.scaleLeft));
    write(bag, "ScaleMode", Value::integer(surface_.scaleMode()));
    write(bag, "ScaleTop", Value::real(surface_.scaleTop));
    write(bag, "ScaleWidth", Value::real(surface_.scaleWidth()));
    write(bag, "AutoRedraw", Value::boolean(surface_.autoRedraw));
    write(bag, "MousePointer", Value::integer(surface_.mousePointer()));
    write(bag, "DrawMode", Value::integer(surface_.drawMode()));
    write(bag, "DrawStyle", Value::integer(surface_.drawStyle()));
    write(bag, "DrawWidth", Value::integer(surface_.drawWidth()));
    write(bag, "TDirty", Value::boolean(dirty_));
    write(bag, "TLeafSelected", Value::boolean(leafSelected_));
    write(bag, "TLineStyle", Value::integer(tree_->lineStyle()));
    write(bag, "TSorted", Value::boolean(tree_->nodes().sorted()));
    write(bag, "TStyle", Value::integer(tree_->treeStyle()));
    write(bag, "TIndentation", Value::real(tree_->indentationTwips()));
    write(bag, "TImage", image_);
    const TreeNode* selected = tree_->selectedItem();
    write(bag, "TSelectedItem", selected ? Value(selected->key()) : nothing);
}
