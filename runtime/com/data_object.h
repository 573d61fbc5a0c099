#pragma once

#include "runtime/com/dispatch.h"

class QMimeData;

namespace rt {

// The data of a drag as hosts see it in the drag events: text only (format 1). It is valid only while
// the event runs; afterwards every member raises 91. Data being dropped is read-only.
class DataObject : public Dispatch {
public:
    enum : DispId { GetData = 1, GetFormat = 2, SetData = 3, Clear = 4 };
    static constexpr qint16 text = 1;

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
