#pragma once

#include "../clipboard.h"

#include <optional>

namespace rt {

class MemoryClipboard : public Clipboard {
public:
    bool hasText() const override { return content.has_value(); }
    QString text() const override { return content.value_or(QString()); }
    void setText(const QString& text) override {
        content = text;
        ++writes;
    }
    void clear() override {
        content.reset();
        ++writes;
    }

    std::optional<QString> content;
    int writes = 0;
};

} // namespace rt
