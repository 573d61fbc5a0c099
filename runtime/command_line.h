#pragma once

#include <QString>

namespace rt {

// The program's whole command line: its arguments joined by one blank, not trimmed. Tests may set it.
QString commandLine();
void setCommandLine(const QString& line);

} // namespace rt
