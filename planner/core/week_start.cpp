#include "week_start.h"

#include "runtime/value/date.h"

qint32 WeekStart(qint32 d) {
    while (rt::weekday(d) != 2) --d;
    return d;
}
