#pragma once

#include "runtime/com/dispatch.h"

class QMimeData;

namespace rt {

// The data of an OLE drag as the tree's events hand it over: text in format 1. Over a drop target
// the data can only be read.
class DataObject : public Dispatch {
public:
    explicit DataObject(QMimeData* data) : data_(data), writable_(data) {}
    explicit DataObject(const QMimeData* data) : data_(data), writable_(nullptr) {}

    Value invoke(DispId id, CallKind kind, Args& args) override;
    std::span<const Member> members() const override;

private:
    const QMimeData* data_;
    QMimeData* writable_;
};

} // namespace rt
