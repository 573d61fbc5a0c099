#pragma once

#include <QString>

namespace rt {

// The folder of the running program; tests may point it at a folder of their own.
QString programFolder();
void setProgramFolder(const QString& folder);

} // namespace rt
