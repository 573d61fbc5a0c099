#pragma once

#include "runtime/com/dispatch.h"

#include <QFont>

// A font as hosts read and change it by name: Name, Size in points, Bold, Italic, Underline, Strikethrough.
class FontObject : public rt::Dispatch {
public:
    enum : rt::DispId { Name = 1, Size = 2, Bold = 3, Italic = 4, Underline = 5, Strikethrough = 6 };

    explicit FontObject(QFont font = {}) : font(std::move(font)) {}

    rt::Value invoke(rt::DispId id, rt::CallKind kind, rt::Args& args) override;
    std::span<const rt::Member> members() const override;

    // How a font is kept in a property bag; 380 for a text that names no font.
    static QString persisted(const QFont& font) { return font.toString(); }
    static QFont fromPersisted(const QString& text);

    QFont font;
};
