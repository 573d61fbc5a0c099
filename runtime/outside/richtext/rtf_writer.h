#pragma once

#include <QString>

class QTextDocument;

namespace rt {

// The document as RTF of the subset the reader takes: font and colour tables, and for each paragraph
// its indent and tab stops, and for each run its font, size (where it has one of its own), bold, italic,
// underline and colour.
// Characters outside ASCII go out as \'hh in the ANSI code page, or as \uN with "?" for a fallback.
// Paragraphs are separated by \par, so reading the result gives the same paragraphs back.
QString writeRtf(const QTextDocument& doc);

} // namespace rt
