#pragma once

#include <QPdfDocument>
#include <QPdfSelection>
#include <QStringList>

namespace rt {

// The text of each page of a PDF file, read back as a reader would; empty when it does not load.
inline QStringList pdfPageTexts(const QString& path) {
    QPdfDocument doc;
    QStringList pages;
    if (doc.load(path) != QPdfDocument::Error::None) return pages;
    for (int page = 0; page < doc.pageCount(); ++page) pages << doc.getAllText(page).text();
    return pages;
}

} // namespace rt
