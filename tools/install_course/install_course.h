#pragma once

#include <QString>

namespace rt {
class SettingsStore;
}

// Writes the settings of an installed course, as the course installer does: under the application name
// (string 100), section "Installed Courses\KEY" (string 104), the values "Path" (the folder's database,
// named after the folder with ".mdb"), "Config" (KEY.cfg in the folder), "Tour" (its "tour" folder) and
// "PDFDir" (the folder itself, ending in "/", since the configured PDF path is appended directly).
// Returns an error message, empty when the course was installed. A course refused writes nothing; a
// settings file that cannot be written gives its error.
QString InstallCourse(rt::SettingsStore& settings, const QString& key, const QString& folder);
