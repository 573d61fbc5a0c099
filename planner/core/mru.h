#pragma once

#include <QString>

namespace rt {
class SettingsStore;
}

// The four most recently used class files: "MRU"n holds the titles, "MRUFiles" the paths, in the same
// order, most recent first.

// Moves the path to the top; a path not in the list pushes the oldest one out.
void AddToMRU(rt::SettingsStore& settings, const QString& path);
// Exchanges entries a and b of both sections.
void SwapMRUEntries(rt::SettingsStore& settings, qint16& a, qint16& b);
// The path of entry n, empty when missing.
QString GetMRUFile(rt::SettingsStore& settings, qint16 n);
// The title of entry n, as the File menu shows it.
QString GetMRUTitle(rt::SettingsStore& settings, qint16 n);
