#pragma once

#include "runtime/value/date.h"

namespace rt {

// A calendar date as the day number the programs store, for tests that write their dates out.
inline qint32 day(int y, int m, int d) {
    return daysFromDate(QDate(y, m, d));
}

} // namespace rt
