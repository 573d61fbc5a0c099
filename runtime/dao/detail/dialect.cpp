#include "dialect.h"

#include <QDate>
#include <QRegularExpression>

namespace rt::detail {

namespace {

// The length of a date literal "#yyyy-m-d#" at `at`, with its parts; 0 when there is none.
qsizetype dateLiteral(const QString& sql, qsizetype at, QDate& date) {
    static const QRegularExpression literal(QStringLiteral("#(\\d{4})-(\\d{1,2})-(\\d{1,2})#"));
    const auto m = literal.match(sql, at, QRegularExpression::NormalMatch,
                                 QRegularExpression::AnchorAtOffsetMatchOption);
    if (!m.hasMatch()) return 0;
    date = QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    return date.isValid() ? m.capturedLength() : 0;
}

} // namespace

QString translateSql(const QString& source) {
    static const QRegularExpression deleteStar(QStringLiteral("^\\s*DELETE\\s+\\*\\s*(?=FROM\\b)"),
                                               QRegularExpression::CaseInsensitiveOption);
    QString sql = source;
    if (const auto m = deleteStar.match(sql); m.hasMatch())
        sql.replace(0, m.capturedLength(), QStringLiteral("DELETE "));
    if (!sql.contains(u'#')) return sql;

    QString out;
    out.reserve(sql.size());
    QChar quote; // the open quote: ', " or [
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (!quote.isNull()) {
            if (c == (quote == u'[' ? QChar(u']') : quote)) quote = QChar();
            out += c;
            continue;
        }
        if (c == u'\'' || c == u'"' || c == u'[') {
            quote = c;
        } else if (c == u'#') {
            QDate date;
            if (const qsizetype n = dateLiteral(sql, i, date)) {
                out += u'\'' + date.toString(QStringLiteral("yyyy-MM-dd")) + u'\'';
                i += n - 1;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace rt::detail
