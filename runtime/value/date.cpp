#include "date.h"

#include <QRegularExpression>

namespace rt {

namespace {
const QDate zeroDate(1899, 12, 30);
}

QDate dateFromDays(qint32 days) {
    return zeroDate.addDays(days);
}

qint32 daysFromDate(QDate date) {
    return static_cast<qint32>(zeroDate.daysTo(date));
}

int weekday(qint32 days) {
    return dateFromDays(days).dayOfWeek() % 7 + 1;
}

QString formatDateText(qint32 days) {
    const QDate d = dateFromDays(days);
    return QStringLiteral("%1/%2/%3").arg(d.month()).arg(d.day()).arg(d.year());
}

std::optional<qint32> parseDateText(const QString& text) {
    static const QRegularExpression mdy(QStringLiteral("^\\s*(\\d{1,2})/(\\d{1,2})/(\\d{2}|\\d{4})\\s*$"));
    static const QRegularExpression ymd(QStringLiteral("^\\s*(\\d{4})-(\\d{1,2})-(\\d{1,2})\\s*$"));
    QDate date;
    if (const auto m = mdy.match(text); m.hasMatch()) {
        int year = m.captured(3).toInt();
        if (m.captured(3).size() == 2) year += year < 30 ? 2000 : 1900;
        date = QDate(year, m.captured(1).toInt(), m.captured(2).toInt());
    } else if (const auto m2 = ymd.match(text); m2.hasMatch()) {
        date = QDate(m2.captured(1).toInt(), m2.captured(2).toInt(), m2.captured(3).toInt());
    }
    if (!date.isValid()) return std::nullopt;
    return daysFromDate(date);
}

} // namespace rt
