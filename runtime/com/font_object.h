#pragma once

#include "dispatch.h"

#include <QFont>
#include <functional>

namespace rt {

// The font object a control hands out for one of its fonts. A change through its members is passed to
// `apply`, so that the control's widget shows it at once.
class FontObject : public Dispatch {
public:
    explicit FontObject(std::function<void(const QFont&)> apply = {});

    const QFont& font() const { return font_; }
    void setFont(const QFont& font) { font_ = font; }

    Value invoke(DispId id, CallKind kind, Args& args) override;
    std::span<const Member> members() const override;

private:
    QFont font_;
    std::function<void(const QFont&)> apply_;
};

// The font object a value holds; error 13 when it holds none.
const FontObject& fontObjectOf(const Value& value);

// A font as the property bag keeps it: a text, so that the bag outlives every control that wrote to it.
Value fontValue(const QFont& font);
// The font of a bag value: 13 when it is no text, 380 when the text describes no font.
QFont fontFromValue(const Value& value);

} // namespace rt
