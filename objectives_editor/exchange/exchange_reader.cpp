#include "exchange_format.h"

#include "runtime/text.h"
#include "runtime/text_file.h"

#include <optional>

namespace {

constexpr char fieldEnd = char(0xFF);
constexpr char emptyMark = char(0xFE);

// Decimal digits, and nothing else, that fit in 32 bits.
std::optional<qint32> decimal(const QString& text) {
    if (text.isEmpty()) return std::nullopt;
    qint64 n = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
        n = n * 10 + (c.unicode() - u'0');
        if (n > std::numeric_limits<qint32>::max()) return std::nullopt;
    }
    return qint32(n);
}

// The header's characters (its 0xFF bytes left out) up to the fourth 0xFF: the magic is characters 1
// to 4, the course 5 to 8, the version 9 to 12, and the count is what follows.
struct Header {
    QString magic, course, version, count;
    qsizetype end = 0; // where the rows start
};

Header scanHeader(const QByteArray& bytes) {
    QString text;
    int ends = 0;
    qsizetype pos = 0;
    while (pos < bytes.size() && ends < 4) {
        const char b = bytes[pos++];
        if (b == fieldEnd)
            ++ends;
        else
            text += rt::ansiChar(uchar(b));
    }
    Header h;
    h.end = pos;
    if (text.size() >= 4) h.magic = text.left(4);
    if (text.size() >= 8) h.course = text.mid(4, 4);
    if (text.size() >= 12) {
        h.version = text.mid(8, 4);
        h.count = text.mid(12);
    }
    return h;
}

ExchangeContents refused(int failure, const QString& badTreeID = {}) {
    ExchangeContents out;
    out.failure = failure;
    out.badTreeID = badTreeID;
    return out;
}

} // namespace

QString ReadField(const QByteArray& bytes, qsizetype& pos) {
    qsizetype start = pos;
    for (; pos < bytes.size(); ++pos) {
        if (bytes[pos] == emptyMark) start = pos + 1;
        if (bytes[pos] == fieldEnd) return rt::decodeWindows1252(bytes.mid(start, pos++ - start));
    }
    return {};
}

qint32 CountRecordsInFile(const QByteArray& bytes) {
    const qint64 n = bytes.count(fieldEnd);
    return n % 2 == 0 ? qint32((n - 4) / 2) : 0;
}

bool IsExchangeMagic(const QString& text) {
    return text == u"bwIF";
}

bool IsSameCourse(const QString& text, const QString& uci) {
    return rt::trimSpaces(text) == uci.toUpper();
}

bool IsSameDBVersion(const QString& text, const QString& dbVersion) {
    return rt::trimSpaces(text) == dbVersion;
}

bool IsNumericOrEmpty(const QString& text) {
    return text.isEmpty() || decimal(rt::trimSpaces(text)).has_value();
}

ExchangeContents readExchangeFile(const QByteArray& bytes, const QString& uci, const QString& dbVersion) {
    const Header h = scanHeader(bytes);
    if (!IsExchangeMagic(h.magic)) return refused(1027);
    if (!IsSameCourse(h.course, uci)) return refused(1024);
    if (!IsSameDBVersion(h.version, dbVersion)) return refused(1025);
    // Every field is paired and the count says how many pairs there are; nothing follows the last one.
    const std::optional<qint32> count = decimal(h.count);
    if (bytes.count(fieldEnd) % 2 != 0 || !count || *count != CountRecordsInFile(bytes) ||
        !bytes.endsWith(fieldEnd))
        return refused(1049);
    ExchangeContents out;
    qsizetype pos = h.end;
    out.rows.reserve(*count);
    for (qint32 i = 0; i < *count; ++i) {
        const QString treeId = ReadField(bytes, pos);
        if (rt::trimSpaces(treeId).isEmpty() || !IsNumericOrEmpty(treeId)) return refused(1051, treeId);
        out.rows.append({*decimal(rt::trimSpaces(treeId)), ReadField(bytes, pos)});
    }
    return out;
}
