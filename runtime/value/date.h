#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace rt {

// Dates are whole days counted from the zero date, 30 December 1899 (day 0).
QDate dateFromDays(qint32 days);
qint32 daysFromDate(QDate date);
// The day of the week with Sunday as 1 and Saturday as 7.
int weekday(qint32 days);

// Dates as text: written month/day/year ("1/5/2026"); read from that form (a two-digit year 00-29 is
// 20yy, 30-99 is 19yy) or from year-month-day.
QString formatDateText(qint32 days);
std::optional<qint32> parseDateText(const QString& text);

} // namespace rt
