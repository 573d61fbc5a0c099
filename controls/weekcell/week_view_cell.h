#pragma once

#include "runtime/com/control.h"
#include "runtime/com/font_object.h"
#include "runtime/com/picture_object.h"

#include <QImage>
#include <QRectF>

class QLabel;

// One day of the planner's week view: a date line above a title area, on a surface whose colour the host
// sets. Its members and events are those of WeekViewCellIds.h.
class WeekViewCell : public rt::Control {
    Q_OBJECT
public:
    explicit WeekViewCell(QWidget* parent = nullptr);

    // Where the labels go on a control of `width` × `height` twips, in twips.
    struct Layout {
        QRectF date, title;
    };
    static Layout ArrangeLabels(double width, double height);

    rt::Value invoke(rt::DispId id, rt::CallKind kind, rt::Args& args) override;
    std::span<const rt::Member> members() const override;

    void initProperties() override;
    void readProperties(rt::PropertyBag& bag) override;
    void writeProperties(rt::PropertyBag& bag) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    // The labels pass on their clicks and double clicks only.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    rt::Value read(rt::DispId id);
    void assign(rt::DispId id, const rt::Value& value);
    void setSelected(bool selected);
    // A property as the bag keeps it, its default, and putting a bag value back.
    rt::Value persisted(rt::DispId id);
    rt::Value defaultOf(rt::DispId id) const;
    void restore(rt::DispId id, const rt::Value& value);
    void applyLayout();
    // A release raises Click, a double click DblClick, from the surface and the labels alike.
    void endClick(Qt::MouseButton button, bool inside);
    void doubleClick(Qt::MouseButton button);

    QLabel* lblDate;
    QLabel* lblTitle;

    // The surface.
    quint32 backColor_;
    qint16 backStyle_ = 1;
    qint16 borderStyle_ = 0;
    QImage picture_;
    qint16 drawMode_ = 13;
    qint16 drawStyle_ = 5;
    qint16 drawWidth_ = 1;
    qint16 fillStyle_ = 1;
    qint16 dateBorderStyle_ = 1;
    qint16 titleBorderStyle_ = 1;

    // The control's own values.
    bool selected_ = false;
    quint32 selectedColor_ = 0;
    quint32 savedBackColor_ = 0;
    qint32 cellDate_ = 0;

    // What the font and picture members hand out.
    rt::FontObject dateFont_, titleFont_;
    rt::PictureObject pictureObject_;
    // The release that ends a double click is no click.
    bool afterDoubleClick_ = false;
};

// The factory of the control libraries.
rt::Control* createWeekViewCell(QWidget* parent);
