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

// Whether every piece occurs in the text, each after the one before.
inline bool inOrder(const QString& text, const QStringList& pieces, QString* missing = nullptr) {
    qsizetype at = 0;
    for (const QString& piece : pieces) {
        const qsizetype found = text.indexOf(piece, at);
        if (found < 0) {
            if (missing) *missing = piece;
            return false;
        }
        at = found + piece.size();
    }
    return true;
}

} // namespace rt
