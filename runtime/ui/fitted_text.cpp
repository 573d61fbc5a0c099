#include "fitted_text.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>

namespace rt {

namespace {

const QChar ellipsis(0x2026);

// The line shortened to end in "…" within the width, also when the line itself would fit but more
// text follows it.
QString endInEllipsis(const QString& line, const QFontMetrics& fm, int width) {
    const QString elided = fm.elidedText(line, Qt::ElideRight, width);
    if (elided.endsWith(ellipsis)) return elided;
    QString head = line.trimmed();
    while (!head.isEmpty() && fm.horizontalAdvance(head + ellipsis) > width) head.chop(1);
    return head + ellipsis;
}

} // namespace

FittedText fitText(const QString& text, const QFont& font, const QSize& box) {
    FittedText fit;
    const QFontMetrics fm(font);
    const int width = std::max(box.width(), 1);
    const int room = std::max(1, (box.height() - fm.height()) / fm.lineSpacing() + 1);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    const QStringList paragraphs = QString(text).remove(u'\r').split(u'\n');
    for (qsizetype p = 0; p < paragraphs.size(); ++p) {
        const QString& paragraph = paragraphs[p];
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            const QString shown = paragraph.mid(line.textStart(), line.textLength()).trimmed();
            if (qsizetype(fit.lines.size()) == room - 1) {
                // The last line the box holds: it takes what is left, shortened when more follows.
                const QString rest = paragraph.mid(line.textStart()).trimmed();
                const bool more = line.textStart() + line.textLength() < paragraph.size() ||
                                  p + 1 < paragraphs.size() || fm.horizontalAdvance(rest) > width;
                fit.lines << (more ? endInEllipsis(rest, fm, width) : rest);
                fit.cut = more;
                layout.endLayout();
                return fit;
            }
            if (fm.horizontalAdvance(shown) > width) {
                fit.lines << endInEllipsis(shown, fm, width);
                fit.cut = true;
            } else {
                fit.lines << shown;
            }
        }
        layout.endLayout();
    }
    return fit;
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
