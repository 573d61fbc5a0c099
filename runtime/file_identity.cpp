#include "file_identity.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cstdio>
#include <sys/stat.h>

namespace rt {

bool isSameFile(const QString& a, const QString& b) {
    if (a == b) return true;
    struct stat sa {
    }, sb{};
    if (a.isEmpty() || b.isEmpty()) return false;
    if (stat(QFile::encodeName(a).constData(), &sa) != 0 || stat(QFile::encodeName(b).constData(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool replaceFile(const QString& source, const QString& target) {
    return std::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) == 0;
}

QString copyBeside(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) return {};
    const QFileInfo info(target);
    QTemporaryFile out(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                       QStringLiteral(".XXXXXX"));
    if (!out.open()) return {};
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 20);
        if (chunk.isEmpty() && in.error() != QFile::NoError) return {};
        if (out.write(chunk) != chunk.size()) return {};
    }
    if (!out.flush()) return {};
    out.setAutoRemove(false);
    return out.fileName();
}

} // namespace rt
