#include "mru.h"

#include "runtime/settings.h"
#include "runtime/strings.h"
#include "shared/file_name.h"

namespace {

QString app() {
    return rt::StringTable::get(100);
}
QString titles() {
    return rt::StringTable::get(107);
}
QString files() {
    return rt::StringTable::get(108);
}
QString titleKey(int n) {
    return QStringLiteral("MRU%1").arg(n);
}
QString fileKey(int n) {
    return QStringLiteral("MRUFile%1").arg(n);
}

} // namespace

void SwapMRUEntries(rt::SettingsStore& s, qint16& a, qint16& b) {
    const QString titleA = s.get(app(), titles(), titleKey(a)), titleB = s.get(app(), titles(), titleKey(b));
    const QString fileA = s.get(app(), files(), fileKey(a)), fileB = s.get(app(), files(), fileKey(b));
    s.set(app(), files(), fileKey(b), fileA);
    s.set(app(), files(), fileKey(a), fileB);
    s.set(app(), titles(), titleKey(a), titleB);
    s.set(app(), titles(), titleKey(b), titleA);
}

void AddToMRU(rt::SettingsStore& s, const QString& path) {
    for (qint16 n = 1; n <= 4; ++n) {
        if (s.get(app(), files(), fileKey(n)) != path) continue;
        for (qint16 k = n; k > 1; --k) {
            qint16 above = k - 1, here = k;
            SwapMRUEntries(s, here, above);
        }
        return;
    }
    // The titles move down first, then the paths.
    for (int n = 4; n > 1; --n) s.set(app(), titles(), titleKey(n), s.get(app(), titles(), titleKey(n - 1)));
    s.set(app(), titles(), titleKey(1), FileNameFromPath(path));
    for (int n = 4; n > 1; --n) s.set(app(), files(), fileKey(n), s.get(app(), files(), fileKey(n - 1)));
    s.set(app(), files(), fileKey(1), path);
}

QString GetMRUFile(rt::SettingsStore& s, qint16 n) {
    return s.get(app(), files(), fileKey(n));
}

QString GetMRUTitle(rt::SettingsStore& s, qint16 n) {
    return s.get(app(), titles(), titleKey(n));
}
