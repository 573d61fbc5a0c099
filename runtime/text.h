#pragma once

#include <QString>

namespace rt {

// Blanks removed at both ends; tabs and other white space stay, as the programs trim.
QString trimSpaces(const QString& s);

} // namespace rt
