#include "calendar_items.h"

#include "calendar_ids.h"
#include "month_calendar.h"
#include "runtime/error.h"
#include "runtime/value/date.h"

namespace rt {

namespace {
constexpr int getLet = int(CallKind::Get) | int(CallKind::Let);
constexpr Member weekdayTable[] = {{ssDayOfWeekId::Enabled, "Enabled", getLet}};
constexpr Member dayTable[] = {{ssDayId::Text, "Text", getLet}};
constexpr Member selectedDayTable[] = {{ssSelectedDayId::Date, "Date", int(CallKind::Get)}};
constexpr Member selectedDaysTable[] = {
    {ssSelectedDaysId::Item, "Item", int(CallKind::Get) | int(CallKind::Method)},
    {ssSelectedDaysId::Count, "Count", int(CallKind::Get)},
    {ssSelectedDaysId::RemoveAll, "RemoveAll", int(CallKind::Method)},
};
} // namespace

std::span<const Member> WeekdayItem::members() const {
    return weekdayTable;
}

Value WeekdayItem::invoke(DispId id, CallKind kind, Args& args) {
    checkMember(id, kind);
    if (kind == CallKind::Get) return Value::boolean(calendar_.weekdayEnabled(weekday_));
    calendar_.setWeekdayEnabled(weekday_, argument(args, 0).toBool());
    return {};
}

std::span<const Member> DayItem::members() const {
    return dayTable;
}

Value DayItem::invoke(DispId id, CallKind kind, Args& args) {
    checkMember(id, kind);
    if (kind == CallKind::Get) return Value(calendar_.dayText(date_));
    calendar_.setDayText(date_, argument(args, 0).toString());
    return {};
}

std::span<const Member> SelectedDayItem::members() const {
    return selectedDayTable;
}

Value SelectedDayItem::invoke(DispId id, CallKind kind, Args&) {
    checkMember(id, kind);
    return Value(formatDateText(date_));
}

std::span<const Member> SelectedDays::members() const {
    return selectedDaysTable;
}

Value SelectedDays::invoke(DispId id, CallKind kind, Args& args) {
    checkMember(id, kind);
    switch (id) {
    case ssSelectedDaysId::Item: {
        const QList<qint32> days = calendar_.selectedDays();
        const qint32 index = argument(args, 0).toInt32();
        if (index < 0 || index >= days.size()) throw RuntimeError(9);
        return Value::object(calendar_.selectedDayItem(days[index]));
    }
    case ssSelectedDaysId::Count: return Value::longInt(qint32(calendar_.selectedDays().size()));
    default: calendar_.unselectAll(); return {};
    }
}

} // namespace rt
