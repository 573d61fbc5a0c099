#include "settings.h"

#include "error.h"

#include <QFile>
#include <QFileInfo>
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

// Why the settings file cannot be read; empty when it can, or when there is none yet (no values).
QString unreadable(const QString& file) {
    const QFileInfo info(file);
    if (!info.exists()) return {};
    if (info.isDir()) return QStringLiteral("it is a folder");
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return f.errorString();
    return {};
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
// A file that is there but cannot be read is no empty store: its values would all read as missing.
QString IniSettings::get(const QString& app, const QString& section, const QString& key) const {
    if (const QString why = unreadable(file_); !why.isEmpty())
        throw RuntimeError(75, QStringLiteral("The settings file %1 cannot be read: %2.").arg(file_, why));
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
