#pragma once

#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfWriter>

namespace pdftest {

// A document whose pages show their numbers, 1 to `pages`, large in their middle.
inline void writeNumberedPdf(const QString& path, int pages, QPageSize::PageSizeId size = QPageSize::A4) {
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(size));
    writer.setPageMargins({});
    writer.setResolution(72);
    QPainter painter(&writer);
    QFont font;
    font.setPixelSize(writer.height() * 2 / 3);
    painter.setFont(font);
    for (int page = 1; page <= pages; ++page) {
        if (page > 1) writer.newPage();
        painter.drawText(QRect(0, 0, writer.width(), writer.height()), Qt::AlignCenter,
                         QString::number(page));
    }
}

inline int pageCount(const QString& path) {
    QPdfDocument doc;
    doc.load(path);
    return doc.pageCount();
}

} // namespace pdftest
