#pragma once

#include <QChar>

namespace rt {

// The ANSI code page the programs store text in (Windows-1252).
QChar ansiChar(unsigned char code);
// The code of `c` in that code page, or -1 when it has none.
int ansiCode(QChar c);

} // namespace rt
