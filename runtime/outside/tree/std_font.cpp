#include "std_font.h"

#include "tree_ids.h"

namespace rt {

namespace {
constexpr int getLet = int(CallKind::Get) | int(CallKind::Let);
constexpr Member table[] = {
    {stdFontId::Name, "Name", getLet},
    {stdFontId::Size, "Size", getLet},
    {stdFontId::Bold, "Bold", getLet},
};
} // namespace

std::span<const Member> StdFont::members() const {
    return table;
}

Value StdFont::invoke(DispId id, CallKind kind, Args& args) {
    checkMember(id, kind);
    const bool read = kind == CallKind::Get;
    switch (id) {
    case stdFontId::Name:
        if (read) return Value(name);
        name = argument(args, 0).toString();
        break;
    case stdFontId::Size:
        if (read) return Value::real(size);
        size = argument(args, 0).toDouble();
        break;
    default:
        if (read) return Value::boolean(bold);
        bold = argument(args, 0).toBool();
        break;
    }
    return {};
}

} // namespace rt
