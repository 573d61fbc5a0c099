#include "surface.h"

#include "property_range.h"

#include <QPixmap>
#include <QWidget>
#include <iterator>

void Surface::setScaleWidth(double width) {
    if (width == 0) throw rt::RuntimeError(380);
    scaleWidth_ = width;
}

void Surface::setScaleHeight(double height) {
    if (height == 0) throw rt::RuntimeError(380);
    scaleHeight_ = height;
}

void Surface::setScaleMode(qint16 mode) {
    scaleMode_ = inRange(mode, 0, 7);
}

void Surface::setDrawMode(qint16 mode) {
    drawMode_ = inRange(mode, 1, 16);
}

void Surface::setDrawStyle(qint16 style) {
    drawStyle_ = inRange(style, 0, 6);
}

void Surface::setDrawWidth(qint16 width) {
    drawWidth_ = inRange(width, 1, 32767);
}

void Surface::setMousePointer(qint16 pointer) {
    mousePointer_ = pointer == 99 ? pointer : inRange(pointer, 0, 15);
    showPointer();
}

void Surface::setMouseIcon(const QImage& icon) {
    mouseIcon_ = icon;
    showPointer();
}

void Surface::showPointer() {
    static constexpr Qt::CursorShape shapes[] = {
        Qt::ArrowCursor,     Qt::ArrowCursor,   Qt::CrossCursor,     Qt::IBeamCursor,
        Qt::ArrowCursor,     Qt::SizeAllCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor,
        Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::UpArrowCursor,   Qt::WaitCursor,
        Qt::ForbiddenCursor, Qt::BusyCursor,    Qt::WhatsThisCursor, Qt::SizeAllCursor,
    };
    if (mousePointer_ == 99 && !mouseIcon_.isNull())
        widget_.setCursor(QCursor(QPixmap::fromImage(mouseIcon_)));
    else if (mousePointer_ > 0 && mousePointer_ < qint16(std::size(shapes)))
        widget_.setCursor(shapes[mousePointer_]);
    else
        widget_.unsetCursor();
}
