#pragma once

#include <QImage>
#include <QtGlobal>

class QWidget;

// The control's own surface as hosts set it and the container persists it: scale, drawing settings and
// mouse pointer. Only the pointer shows (99 shows the mouse icon); the rest is kept for the host.
// Assignments out of range raise 380 and change nothing.
class Surface {
public:
    explicit Surface(QWidget& widget) : widget_(widget) {}

    double scaleLeft = 0, scaleTop = 0;
    double scaleWidth() const { return scaleWidth_; }
    void setScaleWidth(double width);
    double scaleHeight() const { return scaleHeight_; }
    void setScaleHeight(double height);
    // 0 user, 1 twips, ... 7 centimetres.
    qint16 scaleMode() const { return scaleMode_; }
    void setScaleMode(qint16 mode);
    bool autoRedraw = true;
    bool clipControls() const { return true; }
    // 1 to 16; 13 copies the pen.
    qint16 drawMode() const { return drawMode_; }
    void setDrawMode(qint16 mode);
    // 0 solid to 6 inside solid.
    qint16 drawStyle() const { return drawStyle_; }
    void setDrawStyle(qint16 style);
    qint16 drawWidth() const { return drawWidth_; }
    void setDrawWidth(qint16 width);
    // 0 default, 1 arrow, 11 hourglass, ... 15, and 99 for the mouse icon.
    qint16 mousePointer() const { return mousePointer_; }
    void setMousePointer(qint16 pointer);
    const QImage& mouseIcon() const { return mouseIcon_; }
    void setMouseIcon(const QImage& icon);

private:
    void showPointer();

    QWidget& widget_;
    double scaleWidth_ = 4800, scaleHeight_ = 3600;
    qint16 scaleMode_ = 1, drawMode_ = 13, drawStyle_ = 0, drawWidth_ = 1, mousePointer_ = 0;
    QImage mouseIcon_;
};
