#pragma once

class QWidget;

namespace rt {

enum class Pointer { Default = 0, Arrow = 1, Hourglass = 11 };

// The mouse pointer of a window and of the whole screen, as the programs set them by value.
class Cursor {
public:
    virtual ~Cursor() = default;
    virtual void setPointer(QWidget* window, Pointer pointer) = 0;
    virtual Pointer pointer(const QWidget* window) const = 0;
    virtual Pointer screenPointer() const = 0;
    virtual void setScreenPointer(Pointer pointer) = 0;
};

} // namespace rt
