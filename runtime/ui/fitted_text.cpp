#include "fitted_text.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

namespace rt {

FittedText fitText(const QString& text, const QFont& font, const QSize& box) {
    const QFontMetrics fm(font);
    // The last line needs no leading below it; a box too low for one line still shows one.
    const int room = std::max(1, (box.height() - fm.height()) / fm.lineSpacing() + 1);
    return fitLines(text, font, nullptr, std::max(box.width(), 1), room, WideWord::Shortened);
}

void drawFitted(QPainter& p, const QWidget& w, QRect area, Qt::Alignment horizontal, QPalette::ColorRole role,
                const FittedText& fit) {
    const int flags = int(horizontal & Qt::AlignHorizontal_Mask) | Qt::AlignTop | Qt::TextSingleLine;
    const int spacing = w.fontMetrics().lineSpacing();
    for (const QString& line : fit.lines) {
        w.style()->drawItemText(&p, area, flags, w.palette(), w.isEnabled(), line, role);
        area.setTop(area.top() + spacing);
    }
}

FittedText FittedLabel::shown() const {
    const int m = margin();
    return fitText(text(), font(), contentsRect().adjusted(m, m, -m, -m).size());
}

void FittedLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawFrame(&p);
    const int m = margin();
    drawFitted(p, *this, contentsRect().adjusted(m, m, -m, -m), alignment(), foregroundRole(), shown());
}

bool FittedLabel::event(QEvent* event) {
    // The tooltip is decided as it is about to show, for the text and size the label has then.
    if (event->type() == QEvent::ToolTip) setToolTip(shown().cut ? text() : QString());
    return QLabel::event(event);
}

} // namespace rt
