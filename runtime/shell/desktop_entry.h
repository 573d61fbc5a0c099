#pragma once

// Plain C++: the plug-in (32-bit, without Qt) compiles this file too, so that the planner and the plug-in
// read desktop entries by one rule.
#include <string>

namespace rt {

// The program that a desktop entry (an id such as "org.gnome.Evince.desktop") starts: the first word of
// the Exec line of its [Desktop Entry] group, with the entry's escapes and quotes undone, so that a path
// with blanks stays whole. The entry is looked up in "applications" under $XDG_DATA_HOME (else
// ~/.local/share), then under each folder of $XDG_DATA_DIRS (else /usr/local/share:/usr/share). Empty when
// the entry or its Exec line is not there.
std::string desktopEntryProgram(const std::string& entryId);

} // namespace rt
