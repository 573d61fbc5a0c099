#include "day_box.h"

#include <QEvent>
#include <QPainter>

// The box is narrow: a small margin inside its frame leaves the words the most room.
QRect DayBox::textArea() const {
    return viewport()->rect().adjusted(2, 1, -2, -1);
}

rt::FittedText DayBox::shown() const {
    return rt::fitText(toPlainText(), font(), textArea().size());
}

void DayBox::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    rt::drawFitted(p, *this, textArea(), Qt::AlignLeft, QPalette::Text, shown());
}

bool DayBox::event(QEvent* event) {
    // The tooltip is decided as it is about to show, for the text and size the box has then.
    if (event->type() == QEvent::ToolTip) setToolTip(shown().cut ? toPlainText() : QString());
    return QPlainTextEdit::event(event);
}
