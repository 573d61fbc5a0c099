#include "exchange_format.h"

#include "runtime/text.h"
#include "runtime/text_file.h"

namespace {

constexpr char fieldEnd = char(0xFF);
constexpr char emptyMark = char(0xFE);

// The text in Windows-1252, one byte a character: "?" for a character the code page lacks; the field
// markers' own characters are left out.
QByteArray ansiBytes(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        const int code = c > 0xFFFF ? -1 : rt::ansiCode(QChar(char16_t(c)));
        if (code == uchar(fieldEnd) || code == uchar(emptyMark)) continue;
        out += code < 0 ? '?' : char(code);
    }
    return out;
}

QByteArray field(const QString& text) {
    const QByteArray bytes = ansiBytes(text);
    return (bytes.isEmpty() ? QByteArray(1, emptyMark) : bytes) + fieldEnd;
}

} // namespace

QByteArray exchangeHeader(const QString& uci, const QString& dbVersion, qint32 count) {
    return QByteArray("bwIF") + fieldEnd + ansiBytes(rt::trimSpaces(uci).toUpper()) + fieldEnd +
           ansiBytes(rt::trimSpaces(dbVersion)) + fieldEnd + QByteArray::number(count) + fieldEnd;
}

QByteArray exchangeRow(const ExchangeRow& row) {
    return QByteArray::number(row.TreeID) + fieldEnd + field(row.Objective);
}

QByteArray writeExchangeFile(const QString& uci, const QString& dbVersion, const QList<ExchangeRow>& rows) {
    QByteArray out = exchangeHeader(uci, dbVersion, qint32(rows.size()));
    for (const ExchangeRow& row : rows) out += exchangeRow(row);
    return out;
}
