#include "settings.h"

#include "error.h"

#include <QSettings>
#include <QStandardPaths>

namespace rt {

namespace {

QString part(QString name) {
    if (name.isEmpty()) return QStringLiteral("%");
    return name.replace(u'%', QLatin1String("%25"))
        .replace(u'/', QLatin1String("%2F"))
        .replace(u'\\', QLatin1String("%5C"));
}

} // namespace

QString settingsKey(const QString& app, const QString& section, const QString& key) {
    QStringList parts{part(app)};
    for (const QString& s : section.split(u'\\')) parts << part(s);
    parts << part(key);
    return parts.join(u'/');
}

QString IniSettings::defaultFile() {
    const QString chosen = qEnvironmentVariable("LARKSPAN_SETTINGS");
    if (!chosen.isEmpty()) return chosen;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Larkspan/settings.ini");
}

IniSettings::IniSettings() : IniSettings(defaultFile()) {}

IniSettings::IniSettings(QString file) : file_(std::move(file)) {}

// A fresh QSettings per call reads the file anew, so a value written by another program is seen.
QString IniSettings::get(const QString& app, const QString& section, const QString& key) const {
    QSettings s(file_, QSettings::IniFormat);
    return s.value(settingsKey(app, section, key)).toString();
}

void IniSettings::set(const QString& app, const QString& section, const QString& key, const QString& value) {
    QSettings s(file_, QSettings::IniFormat);
    s.setValue(settingsKey(app, section, key), value);
    written(s);
}

void IniSettings::remove(const QString& app, const QString& section, const QString& key) {
    QSettings s(file_, QSettings::IniFormat);
    s.remove(settingsKey(app, section, key));
    written(s);
}

void IniSettings::written(QSettings& s) const {
    s.sync();
    if (s.status() != QSettings::NoError)
        throw RuntimeError(75, standardDescription(75) +
                                   QStringLiteral(": the settings file %1 cannot be written").arg(file_));
}

} // namespace rt
