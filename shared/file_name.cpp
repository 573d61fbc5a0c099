#include "file_name.h"

QString FileNameFromPath(const QString& path) {
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        const QChar c = path[i];
        if (c == u':' || c == u'\\' || c == u'/') return path.mid(i + 1);
    }
    return path;
}
