#pragma once

#include <QString>
#include <QStringList>

namespace rt {

// The lines of a text file, read whole: ended by CR LF, LF or CR (the last may have no end). Text that is
// not valid UTF-8 is read as Windows-1252, so no byte is lost. Error 53 when the file cannot be opened.
QStringList readTextLines(const QString& path);

// The lines of a text, each ended by CR LF, CR or LF; what follows the last end is one more line, even
// when empty.
QStringList splitLines(const QString& text);

// Decodes bytes as Windows-1252, one character a byte (the five bytes it leaves undefined keep their value).
QString decodeWindows1252(const QByteArray& bytes);

// The character of one byte in Windows-1252, as decodeWindows1252 gives it.
QChar ansiChar(unsigned char code);
// The byte of `c` in Windows-1252, or -1 when the code page has no such character.
int ansiCode(QChar c);

// Decodes bytes as UTF-8 when valid, else as Windows-1252.
QString decodeText(const QByteArray& bytes);

} // namespace rt
