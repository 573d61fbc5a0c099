#include "font_object.h"

#include "runtime/error.h"

std::span<const rt::Member> FontObject::members() const {
    constexpr int getLet = int(rt::CallKind::Get) | int(rt::CallKind::Let);
    static constexpr rt::Member table[] = {
        {Name, "Name", getLet},           {Size, "Size", getLet},
        {Bold, "Bold", getLet},           {Italic, "Italic", getLet},
        {Underline, "Underline", getLet}, {Strikethrough, "Strikethrough", getLet},
    };
    return table;
}

rt::Value FontObject::invoke(rt::DispId id, rt::CallKind kind, rt::Args& args) {
    checkMember(id, kind);
    if (kind == rt::CallKind::Get) {
        switch (id) {
        case Name: return font.family();
        case Size: return rt::Value::real(font.pointSizeF());
        case Bold: return rt::Value::boolean(font.bold());
        case Italic: return rt::Value::boolean(font.italic());
        case Underline: return rt::Value::boolean(font.underline());
        default: return rt::Value::boolean(font.strikeOut());
        }
    }
    const rt::Value& v = rt::argument(args, 0);
    switch (id) {
    case Name: font.setFamily(v.toString()); break;
    case Size: {
        const double points = v.toDouble();
        if (!(points > 0)) throw rt::RuntimeError(380);
        font.setPointSizeF(points);
        break;
    }
    case Bold: font.setBold(v.toBool()); break;
    case Italic: font.setItalic(v.toBool()); break;
    case Underline: font.setUnderline(v.toBool()); break;
    default: font.setStrikeOut(v.toBool()); break;
    }
    return {};
}

QFont FontObject::fromPersisted(const QString& text) {
    QFont font;
    if (!font.fromString(text)) throw rt::RuntimeError(380);
    return font;
}
