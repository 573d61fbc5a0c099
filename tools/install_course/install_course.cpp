#include "install_course.h"

#include "runtime/error.h"
#include "runtime/settings.h"
#include "runtime/strings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString InstallCourse(rt::SettingsStore& settings, const QString& key, const QString& folder) {
    if (key.isEmpty() || key.contains(u'\\') || key.contains(u'/'))
        return QStringLiteral("invalid course key '%1'").arg(key);
    const QFileInfo dir(folder);
    if (!dir.isDir()) return QStringLiteral("no course folder %1").arg(folder);
    const QString root = dir.absoluteFilePath();
    const QString database = root + u'/' + dir.fileName() + QStringLiteral(".mdb");
    QFile db(database);
    if (!db.open(QIODevice::ReadOnly) || db.read(16) != QByteArray("SQLite format 3\0", 16))
        return QStringLiteral("no course database %1").arg(database);
    const QString config = root + u'/' + key + QStringLiteral(".cfg");
    if (!QFileInfo(config).isFile()) return QStringLiteral("no configuration file %1").arg(config);

    const QString app = rt::StringTable::get(100);
    const QString section = rt::StringTable::get(104) + u'\\' + key;
    try {
        settings.set(app, section, QStringLiteral("Path"), database);
        settings.set(app, section, QStringLiteral("Config"), config);
        settings.set(app, section, QStringLiteral("Tour"), root + QStringLiteral("/tour"));
        settings.set(app, section, QStringLiteral("PDFDir"), root + u'/');
    } catch (const rt::RuntimeError& e) {
        return e.description;
    }
    return {};
}
