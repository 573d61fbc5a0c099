#pragma once

#include "../clipboard.h"

namespace rt {

class QtClipboard : public Clipboard {
public:
    bool hasText() const override;
    QString text() const override;
    void setText(const QString& text) override;
    void clear() override;
};

} // namespace rt
