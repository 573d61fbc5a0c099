#pragma once

#include "runtime/com/dispatch.h"

class QMimeData;

namespace rt {

// The data of an OLE drag as the tree's events hand it over: text in format 1. It is valid only while
// the event runs (afterwards every member raises 91); over a drop target it can only be read.
class DataObject : public Dispatch {
public:
    void attach(QMimeData* data) { write_ = data, read_ = data; }
    void attachReadOnly(const QMimeData* data) { write_ = nullptr, read_ = data; }
    void detach() { write_ = nullptr, read_ = nullptr; }

    Value invoke(DispId id, CallKind kind, Args& args) override;
    std::span<const Member> members() const override;

private:
    QMimeData* write_ = nullptr;
    const QMimeData* read_ = nullptr;
};

} // namespace rt
