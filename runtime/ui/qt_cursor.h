#pragma once

#include "../cursor.h"

namespace rt {

// A window's pointer is its cursor (its children inherit it); the screen pointer is the application's
// override cursor, kept at depth 0 or 1 since the programs set it as a value, not a stack.
class QtCursor : public Cursor {
public:
    void setPointer(QWidget* window, Pointer pointer) override;
    Pointer pointer(const QWidget* window) const override;
    Pointer screenPointer() const override;
    void setScreenPointer(Pointer pointer) override;
};

} // namespace rt
