#pragma once

#include "runtime/com/dispatch.h"

#include <QString>

namespace rt {

// A font object as the programs make one (name, size in points, bold) and hand to a control by
// reference.
class StdFont : public Dispatch {
public:
    StdFont(QString name, double size, bool bold) : name(std::move(name)), size(size), bold(bold) {}

    Value invoke(DispId id, CallKind kind, Args& args) override;
    std::span<const Member> members() const override;

    QString name;
    double size;
    bool bold;
};

} // namespace rt
