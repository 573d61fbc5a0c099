#include "data_object.h"

#include "runtime/error.h"
#include "tree_ids.h"

#include <QMimeData>

namespace rt {

namespace {

constexpr Member table[] = {
    {dataObjectId::GetData, "GetData", int(CallKind::Method) | int(CallKind::Get)},
    {dataObjectId::SetData, "SetData", int(CallKind::Method)},
};

// Only the text format exists; a missing format means text.
void checkFormat(const Args& args, qsizetype index) {
    if (args.size() > index && !args[index].isEmpty() && args[index].toInt16() != dataFormat::Text)
        throw RuntimeError(461, QStringLiteral("Specified format doesn't match format of data"));
}

} // namespace

std::span<const Member> DataObject::members() const {
    return table;
}

Value DataObject::invoke(DispId id, CallKind kind, Args& args) {
    checkMember(id, kind);
    if (!read_) throw RuntimeError(91);
    if (id == dataObjectId::GetData) {
        checkFormat(args, 0);
        return Value(read_->text());
    }
    const QString text = argument(args, 0).toString();
    checkFormat(args, 1);
    if (!write_) throw RuntimeError(5);
    write_->setText(text);
    return {};
}

} // namespace rt
