#include "text_file.h"

#include "error.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>

namespace rt {

QString decodeWindows1252(const QByteArray& bytes) {
    // The bytes 0x80-0x9F of Windows-1252; the rest match Latin-1.
    static const char16_t high[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString out(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = QChar(b >= 0x80 && b < 0xA0 ? high[b - 0x80] : char16_t(b));
    }
    return out;
}

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

QString decodeText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    return decodeWindows1252(bytes);
}

QStringList readTextLines(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) throw RuntimeError(53);
    QStringList lines = splitLines(decodeText(file.readAll()));
    if (lines.last().isEmpty()) lines.removeLast(); // the end of the last line starts none
    return lines;
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n') continue;
        lines << text.mid(start, i - start);
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    lines << text.mid(start);
    return lines;
}

} // namespace rt
