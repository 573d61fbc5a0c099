#include "data_object.h"

#include "runtime/error.h"

#include <QMimeData>

namespace rt {

namespace {

RuntimeError formatMismatch() {
    return RuntimeError(461, QStringLiteral("Specified format doesn't match format of data"));
}

// A format argument: text when it is missing or 1.
void checkTextFormat(const Value& format) {
    if (!format.isEmpty() && format.toInt16() != DataObject::text) throw formatMismatch();
}

} // namespace

std::span<const Member> DataObject::members() const {
    constexpr int method = int(CallKind::Method);
    static constexpr Member table[] = {
        {GetData, "GetData", method | int(CallKind::Get)},
        {GetFormat, "GetFormat", method},
        {SetData, "SetData", method},
        {Clear, "Clear", method},
    };
    return table;
}

Value DataObject::invoke(DispId id, CallKind kind, Args& args) {
    checkMember(id, kind);
    if (!read_) throw RuntimeError(91);
    switch (id) {
    case GetFormat: return Value::boolean(argument(args, 0).toInt16() == text && read_->hasText());
    case GetData:
        checkTextFormat(args.value(0));
        if (!read_->hasText()) throw formatMismatch();
        return read_->text();
    default: break;
    }
    if (!write_) throw RuntimeError(5);
    if (id == Clear) {
        write_->clear();
    } else {
        checkTextFormat(args.value(1));
        write_->setText(args.value(0).toString());
    }
    return {};
}

} // namespace rt
