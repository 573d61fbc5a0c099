#pragma once

#include <QString>

class QTextDocument;

namespace rt {

// A document's text as the programs read it: paragraphs joined with CR LF, characters as they stand.
QString plainText(const QTextDocument& doc);

// Replaces the document's content with unformatted text; CR LF, CR and LF each end a paragraph.
void setPlainText(QTextDocument& doc, const QString& text);

} // namespace rt
