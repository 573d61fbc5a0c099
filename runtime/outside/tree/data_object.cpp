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

// Only the text format exists; any other is an invalid value.
void checkFormat(const Args& args, qsizetype index) {
    if (args.size() > index && args[index].toInt16() != dataFormat::Text) throw RuntimeError(380);
}
} // namespace

std::span<const Member> DataObject::members() const {
    return table;
}

Value DataObject::invoke(DispId id, CallKind kind, Args& args) {
    checkMember(id, kind);
    if (id == dataObjectId::GetData) {
        checkFormat(args, 0);
        return Value(data_->text());
    }
    const QString text = argument(args, 0).toString();
    checkFormat(args, 1);
    if (!writable_) throw RuntimeError(5);
    writable_->setText(text);
    return {};
}

} // namespace rt
