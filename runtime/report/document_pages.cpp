#include "document_pages.h"

#include "report_writer.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <cmath>
#include <memory>

namespace rt {

namespace {

bool isHeading(const QTextBlock& block) {
    return block.blockFormat().hasProperty(report_block::HeadingLevel);
}

bool startsSection(const QTextBlock& block) {
    return block.blockFormat().boolProperty(report_block::SectionStart);
}

// Where a block's first line begins and its last line ends, on the document's pages laid end to end.
struct Extent {
    qreal top, bottom;
};
Extent extentOf(const QTextBlock& block) {
    const QRectF rect = block.document()->documentLayout()->blockBoundingRect(block);
    const QTextLayout* layout = block.layout();
    if (layout->lineCount() == 0) return {rect.top(), rect.top()};
    const QTextLine last = layout->lineAt(layout->lineCount() - 1);
    return {rect.top() + layout->lineAt(0).y(), rect.top() + last.y() + last.height()};
}

class Pages {
public:
    explicit Pages(qreal height) : height_(height) {}
    int of(qreal y) const { return int(std::floor(y / height_ + 1e-6)); }
    // The page of a line's foot, which may touch the page's end.
    int ofFoot(qreal y) const { return int(std::floor(y / height_ - 1e-6)); }
    qreal height() const { return height_; }

private:
    qreal height_;
};

void breakBefore(QTextDocument& document, const QTextBlock& block) {
    QTextBlockFormat format = block.blockFormat();
    format.setPageBreakPolicy(format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
    QTextCursor(block).setBlockFormat(format);
    // The layout's own update after a format change leaves later blocks out of place over many
    // pages; everything from the break on is laid out again.
    document.markContentsDirty(block.position(), document.characterCount() - block.position());
}

// One pass from the top: each section that runs over a page break is looked at once its place is
// final, since a break only moves what follows it.
void keepSectionsWhole(QTextDocument& document, const Pages& pages) {
    QTextBlock block = document.begin();
    while (block.isValid() && !startsSection(block)) block = block.next();
    while (block.isValid()) {
        const QTextBlock first = block;
        // A section of headings alone belongs with the section after it.
        bool body = false;
        qreal headingsEnd = extentOf(first).bottom, bodyTop = 0, bottom = 0;
        for (; block.isValid() && !(body && startsSection(block)); block = block.next()) {
            const Extent e = extentOf(block);
            bottom = qMax(bottom, e.bottom);
            if (isHeading(block) && !body) {
                headingsEnd = e.bottom;
            } else if (!body && !block.text().isEmpty()) {
                body = true;
                bodyTop = e.top;
            }
        }
        const qreal top = extentOf(first).top;
        if (!body) bodyTop = bottom;
        if (pages.of(top) != pages.ofFoot(bottom) && pages.of(top) * pages.height() < top - 1e-6) {
            const bool fits = bottom - top <= pages.height();
            const bool headingsAlone = pages.ofFoot(headingsEnd) < pages.of(bodyTop);
            if (fits || headingsAlone) breakBefore(document, first);
        }
    }
}

} // namespace

void printDocumentPages(const QTextDocument& source, QPagedPaintDevice& device) {
    QPainter painter(&device);
    const QFont numberFont = source.defaultFont();
    const QFontMetricsF numberMetrics(numberFont, &device);
    const QSizeF body(device.width(), device.height() - numberMetrics.lineSpacing() * 2);
    // A copy laid out for this device, so that the report's own document stays as it was built.
    const std::unique_ptr<QTextDocument> document(source.clone());
    QAbstractTextDocumentLayout* layout = document->documentLayout();
    layout->setPaintDevice(&device);
    document->setPageSize(body);
    keepSectionsWhole(*document, Pages(body.height()));

    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    const int pageCount = document->pageCount();
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0) device.newPage();
        const QRectF view(0, page * body.height(), body.width(), body.height());
        painter.save();
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        context.clip = view;
        layout->draw(&painter, context);
        painter.restore();
        painter.setFont(numberFont);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, device.height() - numberMetrics.lineSpacing(), device.width(),
                                numberMetrics.lineSpacing()),
                         Qt::AlignRight, QString::number(page + 1));
    }
}

} // namespace rt
