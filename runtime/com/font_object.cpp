#include "font_object.h"

#include "runtime/error.h"

namespace rt {

namespace {

// The standard font object's ids.
enum : DispId { Name = 0, Size = 2, Bold = 3, Italic = 4, Underline = 5, Strikethrough = 6 };
constexpr int getLet = int(CallKind::Get) | int(CallKind::Let);
constexpr Member table[] = {
    {Name, "Name", getLet, VarType::String},
    {Size, "Size", getLet, VarType::Double},
    {Bold, "Bold", getLet, VarType::Boolean},
    {Italic, "Italic", getLet, VarType::Boolean},
    {Underline, "Underline", getLet, VarType::Boolean},
    {Strikethrough, "Strikethrough", getLet, VarType::Boolean},
};

} // namespace

FontObject::FontObject(std::function<void(const QFont&)> apply) : apply_(std::move(apply)) {}

std::span<const Member> FontObject::members() const {
    return table;
}

Value FontObject::invoke(DispId id, CallKind kind, Args& args) {
    checkMember(id, kind);
    if (kind == CallKind::Get) {
        switch (id) {
        case Name: return Value(font_.family());
        case Size: return Value::real(font_.pointSizeF());
        case Bold: return Value::boolean(font_.bold());
        case Italic: return Value::boolean(font_.italic());
        case Underline: return Value::boolean(font_.underline());
        default: return Value::boolean(font_.strikeOut());
        }
    }
    const Value& v = argument(args, 0);
    switch (id) {
    case Name: font_.setFamily(v.toString()); break;
    case Size: {
        const double points = v.toDouble();
        if (!(points > 0 && points <= 2048)) throw RuntimeError(380);
        font_.setPointSizeF(points);
        break;
    }
    case Bold: font_.setBold(v.toBool()); break;
    case Italic: font_.setItalic(v.toBool()); break;
    case Underline: font_.setUnderline(v.toBool()); break;
    default: font_.setStrikeOut(v.toBool()); break;
    }
    if (apply_) apply_(font_);
    return {};
}

const FontObject& fontObjectOf(const Value& value) {
    const auto* font = dynamic_cast<const FontObject*>(value.toObject());
    if (!font) throw RuntimeError(13);
    return *font;
}

Value fontValue(const QFont& font) {
    return Value(font.toString());
}

QFont fontFromValue(const Value& value) {
    if (value.type() != VarType::String) throw RuntimeError(13);
    QFont font;
    if (!font.fromString(value.toString()) || font.family().isEmpty()) throw RuntimeError(380);
    return font;
}

} // namespace rt
