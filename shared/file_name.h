#pragma once

#include <QString>

// What follows the last ":", "\" or "/" of a path; the whole path when it holds none.
QString FileNameFromPath(const QString& path);
