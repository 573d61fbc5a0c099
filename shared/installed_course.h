#pragma once

#include <QString>

namespace rt {
class SettingsStore;
}

// A value of an installed course in the settings store ("Path", "Config", "Tour", "PDFDir"): section
// "Installed Courses\" & the course key, taken as it is, under the programs' application name; empty
// when the course or the value is not there.
QString GetCourseValue(const rt::SettingsStore& settings, const QString& course, const QString& value);
