#pragma once

#include <QString>

// Captions of days, weekends and weeks, with the month and weekday names of the system's language.
// Dates are days from the zero date.

// "December 29-January 4, 2026": the week (Monday to Sunday) that holds d.
QString FormatWeekRange(qint32 d);
// "Monday, January 4".
QString FormatDayCaption(qint32 d);
// "Saturday/Sunday, January 31-February 1": the weekend that starts on the Saturday d.
QString FormatWeekendCaption(qint32 d);
// "Monday January 4, 2027"; empty for the zero date.
QString FormatLongDate(qint32 d);

// A date in one of the system's patterns ("mmmm d, yyyy", "dddd", "mm/dd/yy", ...).
QString FormatDate(qint32 d, const QString& pattern);
