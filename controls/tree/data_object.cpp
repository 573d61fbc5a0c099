#include "data_object.h"

#include "runtime/error.h"

#include <QMimeData>

namespace {

rt::RuntimeError formatMismatch() {
    return rt::RuntimeError(461, QStringLiteral("Specified format doesn't match format of data"));
}

// A format argument: text when it is missing or 1.
void checkTextFormat(const rt::Value& format) {
    if (!format.isEmpty() && format.toInt16() != DataObject::text) throw formatMismatch();
}

} // namespace

std::span<const rt::Member> DataObject::members() const {
    constexpr int method = int(rt::CallKind::Method);
    static constexpr rt::Member table[] = {
        {GetData, "GetData", method},
        {GetFormat, "GetFormat", method},
        {SetData, "SetData", method},
        {Clear, "Clear", method},
    };
    return table;
}

rt::Value DataObject::invoke(rt::DispId id, rt::CallKind kind, rt::Args& args) {
    checkMember(id, kind);
    if (!read_) throw rt::RuntimeError(91);
    switch (id) {
    case GetFormat: return rt::Value::boolean(rt::argument(args, 0).toInt16() == text && read_->hasText());
    case GetData:
        checkTextFormat(args.value(0));
        if (!read_->hasText()) throw formatMismatch();
        return read_->text();
    default: break;
    }
    if (!write_) throw rt::RuntimeError(5);
    if (id == Clear) {
        write_->clear();
    } else {
        checkTextFormat(args.value(1));
        write_->setText(args.value(0).toString());
    }
    return {};
}
