#pragma once

#include <QString>

namespace rt {

// A path as the Windows shell finds it on its case-blind disks: "\" separates as "/" does, and a name
// that is missing under its exact spelling is looked for without case in its folder. When nothing
// matches, the path with "/" for "\".
QString lookUpPath(const QString& path);

} // namespace rt
