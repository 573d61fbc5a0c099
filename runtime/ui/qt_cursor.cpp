#include "qt_cursor.h"

#include <QApplication>
#include <QWidget>

namespace rt {

namespace {

Qt::CursorShape shapeOf(Pointer p) {
    return p == Pointer::Hourglass ? Qt::WaitCursor : Qt::ArrowCursor;
}

Pointer pointerOf(const QCursor& c) {
    return c.shape() == Qt::WaitCursor ? Pointer::Hourglass : Pointer::Arrow;
}

} // namespace

void QtCursor::setPointer(QWidget* window, Pointer pointer) {
    if (!window) return;
    if (pointer == Pointer::Default)
        window->unsetCursor();
    else
        window->setCursor(shapeOf(pointer));
}

Pointer QtCursor::pointer(const QWidget* window) const {
    if (!window || !window->testAttribute(Qt::WA_SetCursor)) return Pointer::Default;
    return pointerOf(window->cursor());
}

Pointer QtCursor::screenPointer() const {
    const QCursor* c = QApplication::overrideCursor();
    return c ? pointerOf(*c) : Pointer::Default;
}

void QtCursor::setScreenPointer(Pointer pointer) {
    if (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
    if (pointer != Pointer::Default) QApplication::setOverrideCursor(shapeOf(pointer));
}

} // namespace rt
