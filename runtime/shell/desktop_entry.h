#pragma once

#include <QString>

namespace rt {

// The program that a desktop entry (an id such as "org.gnome.Evince.desktop") starts: the first word of
// its Exec line, with the entry's escapes and quotes undone, so that a path with blanks stays whole.
// Empty when the entry or its Exec line is not there.
QString desktopEntryProgram(const QString& entryId);

} // namespace rt
