#pragma once

#include <QStringView>

class QTextDocument;

namespace rt {

// Reads the RTF the programs store and load into `doc`, replacing its content: groups, the font and
// colour tables, fonts, sizes, bold, italic, underline, colours, paragraphs with their indent and tab
// stops, tabs, \'hh in the ANSI code page and \uN with its fallback. Unknown control words are skipped
// and malformed input keeps whatever text it holds readable; reading never fails.
void readRtf(QStringView rtf, QTextDocument& doc);

// Whether a text is rich text (starts as an RTF document does) rather than plain text.
bool isRtf(QStringView text);

} // namespace rt
