#include "calendar_sheet.h"

#include "runtime/gui/fitted_lines.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace rt {

namespace {

QFont pointFont(qreal points, bool bold) {
    QFont font;
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Draws lines from the top of `box`, as many as fit, and gives back the height they took.
qreal drawLines(QPainter& painter, const QStringList& lines, const QFont& font, const QRectF& box) {
    const QFontMetricsF metrics(font, painter.device());
    painter.setFont(font);
    qreal y = box.top();
    for (const QString& line : lines) {
        painter.drawText(QPointF(box.left(), y + metrics.ascent()), line);
        y += metrics.lineSpacing();
    }
    return y - box.top();
}

// The text in `box`, wrapped and cut to the lines that fit. Paper has no tooltip to show a word too wide
// for its cell whole, so such a word is broken over lines instead.
qreal drawCut(QPainter& painter, const QString& text, const QFont& font, const QRectF& box) {
    const QFontMetricsF metrics(font, painter.device());
    const int fit = int(box.height() / metrics.lineSpacing());
    const FittedText lines = fitLines(text, font, painter.device(), box.width(), fit, WideWord::Broken);
    return drawLines(painter, lines.lines, font, box);
}

} // namespace

void drawSheet(const CalendarSheet& sheet, QPagedPaintDevice& device) {
    QPainter painter(&device);
    const qreal point = device.logicalDpiY() / 72.0;
    const QRectF page(0, 0, device.width(), device.height());
    painter.setPen(Qt::black);

    // The headings, one line each.
    qreal top = 0;
    const struct {
        const QString& text;
        QFont font;
    } headings[] = {{sheet.heading, pointFont(14, true)},
                    {sheet.span, pointFont(12, true)},
                    {sheet.classLine, pointFont(10, false)}};
    for (const auto& h : headings)
        if (!h.text.isEmpty())
            top += drawCut(painter, h.text, h.font, QRectF(0, top, page.width(), page.height() - top));
    top += 6 * point;

    const QFont captionFont = pointFont(sheet.textPoints + 1, true);
    const QFont textFont = pointFont(sheet.textPoints, false);
    const qreal padding = 3 * point;
    const qreal captionHeight = QFontMetricsF(captionFont, &device).lineSpacing();
    const qreal columnWidth = page.width() / sheet.columns;
    QPen grid(QColor(128, 128, 128));
    grid.setWidthF(0.75 * point);

    if (!sheet.columnNames.isEmpty()) {
        for (int column = 0; column < sheet.columns; ++column) {
            const QRectF box(column * columnWidth, top, columnWidth, captionHeight + 2 * padding);
            painter.setPen(grid);
            painter.drawRect(box);
            painter.setPen(Qt::black);
            drawCut(painter, sheet.columnNames.value(column), captionFont,
                    box.adjusted(padding, padding, -padding, 0));
        }
        top += captionHeight + 2 * padding;
    }

    // Rows of equal height share what is left of the page.
    const int rows = sheet.rows();
    if (rows == 0) return;
    const qreal rowHeight = (page.height() - top) / rows;
    for (qsizetype i = 0; i < sheet.cells.size(); ++i) {
        const QRectF box(int(i % sheet.columns) * columnWidth, top + int(i / sheet.columns) * rowHeight,
                         columnWidth, rowHeight);
        painter.setPen(grid);
        painter.drawRect(box);
        painter.setPen(Qt::black);
        QRectF inner = box.adjusted(padding, padding, -padding, -padding);
        const CalendarSheet::Cell& cell = sheet.cells[i];
        if (!cell.caption.isEmpty())
            inner.setTop(inner.top() + drawCut(painter, cell.caption, captionFont, inner));
        drawCut(painter, cell.text, textFont, inner);
    }
}

} // namespace rt
