#include "dispatch.h"

#include "runtime/error.h"

#include <algorithm>

namespace rt {

DispId Dispatch::idOfName(QStringView name) const {
    for (const Member& m : members())
        if (name.compare(QLatin1String(m.name), Qt::CaseInsensitive) == 0) return m.id;
    return -1;
}

const Member& Dispatch::checkMember(DispId id, CallKind kind) const {
    const auto ms = members();
    const auto it = std::find_if(ms.begin(), ms.end(), [&](const Member& m) { return m.id == id; });
    if (it == ms.end() || !(it->kinds & int(kind))) throw RuntimeError(438);
    return *it;
}

Value get(Dispatch& d, DispId id, Args args) {
    return d.invoke(id, CallKind::Get, args);
}

void let(Dispatch& d, DispId id, Value value) {
    Args args{std::move(value)};
    d.invoke(id, CallKind::Let, args);
}

void set(Dispatch& d, DispId id, Value value) {
    Args args{std::move(value)};
    d.invoke(id, CallKind::Set, args);
}

Value call(Dispatch& d, DispId id, Args& args) {
    return d.invoke(id, CallKind::Method, args);
}

Value call(Dispatch& d, DispId id, Args&& args) {
    return d.invoke(id, CallKind::Method, args);
}

const Value& argument(const Args& args, qsizetype index) {
    if (index >= args.size()) throw RuntimeError(449, QStringLiteral("Argument not optional"));
    return args[index];
}

} // namespace rt
