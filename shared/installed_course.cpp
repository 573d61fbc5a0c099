#include "installed_course.h"

#include "runtime/settings.h"
#include "runtime/strings.h"

QString GetCourseValue(const rt::SettingsStore& settings, const QString& course, const QString& value) {
    return settings.get(rt::StringTable::get(100), rt::StringTable::get(104) + u'\\' + course, value);
}
