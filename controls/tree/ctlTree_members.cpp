// The tree control's members by dispatch id.
#include "ctlTree.h"

#include "ctlTreeIds.h"
#include "property_range.h"
#include "tree_view.h"

#include <algorithm>

namespace {

using rt::CallKind;
using rt::VarType;
constexpr int get = int(CallKind::Get), let = int(CallKind::Let), set = int(CallKind::Set),
              method = int(CallKind::Method);

// In the order of the control's type library; TImage takes any value.
constexpr rt::Member memberTable[] = {
    {ctlTreeId::DragMode, "DragMode", get | let, VarType::Integer},
    {ctlTreeId::TLeafSelected, "TLeafSelected", get | let, VarType::Boolean},
    {ctlTreeId::TSelectedItem, "TSelectedItem", get | set, VarType::Object},
    {ctlTreeId::TDirty, "TDirty", get | let, VarType::Boolean},
    {ctlTreeId::BackColor, "BackColor", get | let, VarType::Long},
    {ctlTreeId::ForeColor, "ForeColor", get | let, VarType::Long},
    {ctlTreeId::Enabled, "Enabled", get | let, VarType::Boolean},
    {ctlTreeId::DropHighlight, "DropHighlight", get | set, VarType::Object},
    {ctlTreeId::Font, "Font", get | set, VarType::Object},
    {ctlTreeId::BackStyle, "BackStyle", get | let, VarType::Integer},
    {ctlTreeId::BorderStyle, "BorderStyle", get | let, VarType::Integer},
    {ctlTreeId::ScaleHeight, "ScaleHeight", get | let, VarType::Double},
    {ctlTreeId::ScaleMode, "ScaleMode", get | let, VarType::Integer},
    {ctlTreeId::ScaleTop, "ScaleTop", get | let, VarType::Double},
    {ctlTreeId::ScaleWidth, "ScaleWidth", get | let, VarType::Double},
    {ctlTreeId::tree_NodeClick, "tree_NodeClick", method, VarType::Empty},
    {ctlTreeId::ClipControls, "ClipControls", get, VarType::Boolean},
    {ctlTreeId::AutoRedraw, "AutoRedraw", get | let, VarType::Boolean},
    {ctlTreeId::MousePointer, "MousePointer", get | let, VarType::Integer},
    {ctlTreeId::MouseIcon, "MouseIcon", get | set, VarType::Object},
    {ctlTreeId::DrawMode, "DrawMode", get | let, VarType::Integer},
    {ctlTreeId::DrawStyle, "DrawStyle", get | let, VarType::Integer},
    {ctlTreeId::DrawWidth, "DrawWidth", get | let, VarType::Integer},
    {ctlTreeId::TNodes, "TNodes", get | set, VarType::Object},
    {ctlTreeId::TLineStyle, "TLineStyle", get | let, VarType::Integer},
    {ctlTreeId::TSorted, "TSorted", get | let, VarType::Boolean},
    {ctlTreeId::TStyle, "TStyle", get | let, VarType::Integer},
    {ctlTreeId::TIndentation, "TIndentation", get | let, VarType::Double},
    {ctlTreeId::TImage, "TImage", get | let, VarType::Empty},
    {ctlTreeId::tree_MouseDown, "tree_MouseDown", method, VarType::Empty},
    {ctlTreeId::LabelEdit, "LabelEdit", get | let, VarType::Integer},
    {ctlTreeId::RefreshControls, "RefreshControls", method, VarType::Empty},
    {ctlTreeId::AddNode, "AddNode", method, VarType::Object},
    {ctlTreeId::AddPrimaryNode, "AddPrimaryNode", method, VarType::Object},
    {ctlTreeId::RemoveNode, "RemoveNode", method, VarType::Boolean},
};

} // namespace

std::span<const rt::Member> ctlTree::members() const {
    return memberTable;
}

rt::Value ctlTree::invoke(rt::DispId id, CallKind kind, rt::Args& args) {
    const rt::Member& member = checkMember(id, kind);
    switch (kind) {
    case CallKind::Get: return getProperty(id);
    case CallKind::Method: return callMethod(id, args);
    default:
        assignProperty(id, rt::argument(args, 0));
        // Highlighting a drop target is no change the container keeps.
        if (id != ctlTreeId::DropHighlight) emit propertyChanged(QLatin1String(member.name));
        return {};
    }
}

rt::Value ctlTree::getProperty(rt::DispId id) {
    using namespace ctlTreeId;
    using rt::Value;
    switch (id) {
    case DragMode: return Value::integer(dragMode_);
    case TLeafSelected: return Value::boolean(leafSelected_);
    case TSelectedItem: return Value::object(tree_->selectedItem());
    case TDirty: return Value::boolean(dirty_);
    case BackColor: return Value::longInt(backColor_);
    case ForeColor: return Value::longInt(foreColor_);
    case Enabled: return Value::boolean(enabled_);
    case DropHighlight: return Value::object(tree_->dropHighlight());
    case Font: return Value::object(&font_);
    case BackStyle: return Value::integer(backStyle_);
    case BorderStyle: return Value::integer(borderStyle_);
    case ScaleHeight: return Value::real(surface_.scaleHeight());
    case ScaleMode: return Value::integer(surface_.scaleMode());
    case ScaleTop: return Value::real(surface_.scaleTop);
    case ScaleWidth: return Value::real(surface_.scaleWidth());
    case ClipControls: return Value::boolean(surface_.clipControls());
    case AutoRedraw: return Value::boolean(surface_.autoRedraw);
    case MousePointer: return Value::integer(surface_.mousePointer());
    case MouseIcon:
        mouseIcon_.image = surface_.mouseIcon();
        return Value::object(mouseIcon_.image.isNull() ? nullptr : &mouseIcon_);
    case DrawMode: return Value::integer(surface_.drawMode());
    case DrawStyle: return Value::integer(surface_.drawStyle());
    case DrawWidth: return Value::integer(surface_.drawWidth());
    case TNodes: return Value::object(&tree_->nodes());
    case TLineStyle: return Value::integer(tree_->lineStyle());
    case TSorted: return Value::boolean(tree_->nodes().sorted());
    case TStyle: return Value::integer(tree_->treeStyle());
    case TIndentation: return Value::real(tree_->indentationTwips());
    case TImage: return image_;
    default: return Value::integer(tree_->labelEdit());
    }
}

void ctlTree::assignProperty(rt::DispId id, const rt::Value& v) {
    using namespace ctlTreeId;
    switch (id) {
    case DragMode: setDragMode(v.toInt16()); break;
    case TLeafSelected: leafSelected_ = v.toBool(); break;
    case TSelectedItem: tree_->setSelectedItem(nodeArgument(v)); break;
    case TDirty: dirty_ = v.toBool(); break;
    case BackColor: backColor_ = v.toInt32(); break;
    case ForeColor: foreColor_ = v.toInt32(); break;
    case Enabled:
        enabled_ = v.toBool();
        setEnabled(enabled_);
        break;
    case DropHighlight: tree_->setDropHighlight(nodeArgument(v)); break;
    case Font: applyFont(rt::fontObjectOf(v).font()); break;
    case BackStyle: backStyle_ = v.toInt16(); break;
    case BorderStyle:
        tree_->setBorderStyle(v.toInt16());
        borderStyle_ = tree_->borderStyle();
        break;
    case ScaleHeight: surface_.setScaleHeight(v.toDouble()); break;
    case ScaleMode: surface_.setScaleMode(v.toInt16()); break;
    case ScaleTop: surface_.scaleTop = v.toDouble(); break;
    case ScaleWidth: surface_.setScaleWidth(v.toDouble()); break;
    case AutoRedraw: surface_.autoRedraw = v.toBool(); break;
    case MousePointer: surface_.setMousePointer(v.toInt16()); break;
    case MouseIcon: surface_.setMouseIcon(rt::pictureOf(v)); break;
    case DrawMode: surface_.setDrawMode(v.toInt16()); break;
    case DrawStyle: surface_.setDrawStyle(v.toInt16()); break;
    case DrawWidth: surface_.setDrawWidth(v.toInt16()); break;
    case TNodes: {
        const auto* nodes = dynamic_cast<TreeNodes*>(v.toObject());
        if (!nodes) throw rt::RuntimeError(13);
        tree_->nodes().assign(*nodes);
        break;
    }
    case TLineStyle: tree_->setLineStyle(v.toInt16()); break;
    case TSorted: tree_->nodes().setSorted(v.toBool()); break;
    case TStyle: tree_->setTreeStyle(v.toInt16()); break;
    case TIndentation: tree_->setIndentationTwips(v.toDouble()); break;
    case TImage: image_ = v; break;
    default: tree_->setLabelEdit(v.toInt16()); break;
    }
}

rt::Value ctlTree::callMethod(rt::DispId id, rt::Args& args) {
    const auto text = [&](qsizetype i) { return rt::argument(args, i).toString(); };
    switch (id) {
    case ctlTreeId::tree_NodeClick:
        rt::argument(args, 0);
        tree_NodeClick(args[0]);
        return {};
    case ctlTreeId::tree_MouseDown: {
        qint16 button = rt::argument(args, 0).toInt16(), shift = rt::argument(args, 1).toInt16();
        double x = rt::argument(args, 2).toDouble(), y = rt::argument(args, 3).toDouble();
        tree_MouseDown(button, shift, x, y);
        args[0] = rt::Value::integer(button);
        args[1] = rt::Value::integer(shift);
        args[2] = rt::Value::real(x);
        args[3] = rt::Value::real(y);
        return {};
    }
    case ctlTreeId::RefreshControls: this->RefreshControls(); return {};
    case ctlTreeId::AddNode: return rt::Value::object(&this->AddNode(text(0), text(1), text(2)));
    case ctlTreeId::AddPrimaryNode: return rt::Value::object(&this->AddPrimaryNode(text(0), text(1)));
    default: return rt::Value::boolean(this->RemoveNode(text(0)));
    }
}

// A node assigned by the host: Nothing, or a node of this tree (13 for any other object, 380 for
// another tree's node, 35605 for a removed one).
TreeNode* ctlTree::nodeArgument(const rt::Value& v) const {
    Dispatch* object = v.toObject();
    if (!object) return nullptr;
    auto* node = dynamic_cast<TreeNode*>(object);
    if (!node) throw rt::RuntimeError(13);
    if (node->item().treeWidget() != tree_) throw rt::RuntimeError(380);
    return node;
}

void ctlTree::setDragMode(qint16 mode) {
    if (mode != 0 && mode != 1)
        throw rt::RuntimeError(380, rt::standardDescription(380), QStringLiteral("LKTree"));
    dragMode_ = mode;
    tree_->setDragMode(mode);
}

void ctlTree::applyFont(const QFont& font) {
    font_.setFont(font);
    tree_->setFont(font);
}
