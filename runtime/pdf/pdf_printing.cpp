#include "pdf_printing.h"

#include "pdf_load.h"
#include "runtime/error.h"

#include <QPainter>
#include <QPdfDocument>
#include <QPrinter>
#include <algorithm>

namespace rt {

namespace {

// Pages are rendered at the printer's resolution up to this: a letter page at a printer's 1200 dpi
// would be a 540 MB image, while 300 dpi prints as sharp as the course documents need.
constexpr qreal maxRenderDpi = 300;

// The page as an opaque image of `pixels`: pdfium leaves the paper transparent.
QImage renderPage(QPdfDocument& doc, int page, QSize pixels) {
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).drawImage(0, 0, doc.render(page, pixels));
    return image;
}

void printPage(QPdfDocument& doc, int page, bool shrinkToFit, QPrinter& printer, QPainter& painter) {
    const QSizeF points = doc.pagePointSize(page);
    const qreal dpi = printer.resolution();
    const QSizeF natural = points * dpi / 72.0; // the page at its own size, in printer pixels
    const QRectF area(0, 0, printer.width(), printer.height());
    qreal scale = 1;
    if (shrinkToFit)
        scale = std::min({1.0, area.width() / natural.width(), area.height() / natural.height()});
    QRectF target(QPointF(), natural * scale);
    target.moveCenter(area.center());
    const qreal renderScale = std::min(1.0, maxRenderDpi / dpi);
    painter.drawImage(target, renderPage(doc, page, (target.size() * renderScale).toSize()));
}

} // namespace

void printPdfPages(const QString& path, const QString& title, int first0, int last0, bool shrinkToFit,
                   QPrinter& printer) {
    QPdfDocument doc;
    loadPdf(doc, path);
    const int first = std::max(first0, 0);
    const int last = std::min(last0, doc.pageCount() - 1);
    if (first > last) throw RuntimeError(5);

    printer.setDocName(title);
    const RuntimeError printerError(482, QStringLiteral("Printer error"));
    QPainter painter;
    if (!painter.begin(&printer)) throw printerError;
    for (int page = first; page <= last; ++page) {
        if (page > first && !printer.newPage()) throw printerError;
        printPage(doc, page, shrinkToFit, printer, painter);
    }
    if (!painter.end()) throw printerError;
}

} // namespace rt
