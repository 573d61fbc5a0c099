#include "ansi.h"

#include "runtime/text_file.h"

#include <QHash>

namespace rt {

namespace {

const QString& codePage() {
    static const QString chars = [] {
        QByteArray all(256, '\0');
        for (int i = 0; i < 256; ++i) all[i] = char(i);
        return decodeWindows1252(all);
    }();
    return chars;
}

} // namespace

QChar ansiChar(unsigned char code) {
    return codePage()[code];
}

int ansiCode(QChar c) {
    static const QHash<char16_t, int> codes = [] {
        QHash<char16_t, int> h;
        for (int i = 0; i < 256; ++i) h.insert(codePage()[i].unicode(), i);
        return h;
    }();
    return codes.value(c.unicode(), -1);
}

} // namespace rt
