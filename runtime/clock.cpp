#include "clock.h"

#include "value/date.h"

namespace rt {

namespace {
std::optional<qint32>& fixedDay() {
    static std::optional<qint32> day;
    return day;
}
} // namespace

qint32 today() {
    return fixedDay().value_or(daysFromDate(QDate::currentDate()));
}

void setToday(std::optional<qint32> day) {
    fixedDay() = day;
}

} // namespace rt
