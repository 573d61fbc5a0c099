#include "date_captions.h"

#include "runtime/value/date.h"
#include "week_start.h"

#include <QLocale>

namespace {

// The system's pattern letters as Qt's: "mmmm" month name, "mm" month with zero, "dddd" weekday name,
// "dd" day with zero, "yyyy"/"yy" the year; every other character stands for itself.
QString qtPattern(const QString& pattern) {
    QString out, literal;
    const auto flush = [&] {
        if (!literal.isEmpty()) out += u'\'' + literal.replace(u'\'', QLatin1String("''")) + u'\'';
        literal.clear();
    };
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i].toLower();
        qsizetype n = 1;
        while (i + n < pattern.size() && pattern[i + n].toLower() == c) ++n;
        if (c == u'm' || c == u'd' || c == u'y') {
            flush();
            out += QString(n, c == u'm' ? QChar(u'M') : c);
        } else {
            // Qt reads letters as patterns too: everything else is quoted, as one run.
            literal += pattern.mid(i, n);
        }
        i += n;
    }
    flush();
    return out;
}

} // namespace

QString FormatDate(qint32 d, const QString& pattern) {
    return QLocale().toString(rt::dateFromDays(d), qtPattern(pattern));
}

QString FormatWeekRange(qint32 d) {
    const qint32 first = WeekStart(d);
    const qint32 last = first + 6;
    const bool sameMonth = rt::dateFromDays(first).month() == rt::dateFromDays(last).month();
    return FormatDate(first, "mmmm d") + "-" + FormatDate(last, sameMonth ? "d, yyyy" : "mmmm d, yyyy");
}

QString FormatDayCaption(qint32 d) {
    return FormatDate(d, "dddd, mmmm d");
}

QString FormatWeekendCaption(qint32 d) {
    const qint32 next = d + 1;
    const bool sameMonth = rt::dateFromDays(d).month() == rt::dateFromDays(next).month();
    return FormatDate(d, "dddd") + "/" + FormatDate(next, "dddd") + ", " + FormatDate(d, "mmmm d") + "-" +
           FormatDate(next, sameMonth ? "d" : "mmmm d");
}

QString FormatLongDate(qint32 d) {
    return d == 0 ? QString() : FormatDate(d, "dddd mmmm d, yyyy");
}
