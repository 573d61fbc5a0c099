#pragma once

#include <QString>

namespace rt {

// The system clipboard's text.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual bool hasText() const = 0;
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
    virtual void clear() = 0;
};

} // namespace rt
