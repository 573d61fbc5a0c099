#include "file_lookup.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace rt {

namespace {

QString joined(const QString& folder, const QString& name) {
    if (folder.isEmpty()) return name;
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

// The entry of the folder whose name differs from `name` only in case; empty when there is none.
QString entryWithoutCase(const QString& folder, const QString& name) {
    const QStringList entries =
        QDir(folder.isEmpty() ? QStringLiteral(".") : folder)
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
    return {};
}

} // namespace

QString lookUpPath(const QString& path) {
    QString wanted = path;
    wanted.replace(u'\\', u'/');
    if (wanted.isEmpty() || QFileInfo::exists(wanted)) return wanted;
    QString found = wanted.startsWith(u'/') ? QStringLiteral("/") : QString();
    for (const QString& name : wanted.split(u'/', Qt::SkipEmptyParts)) {
        QString next = joined(found, name);
        if (!QFileInfo::exists(next)) {
            const QString entry = entryWithoutCase(found, name);
            if (entry.isEmpty()) return wanted;
            next = joined(found, entry);
        }
        found = next;
    }
    return found;
}

} // namespace rt
