#pragma once

#include "runtime/com/dispatch.h"

namespace rt {

class MonthCalendar;

// A weekday column of the calendar: switched off, its days cannot be chosen.
class WeekdayItem : public Dispatch {
public:
    WeekdayItem(MonthCalendar& calendar, int weekday) : calendar_(calendar), weekday_(weekday) {}
    Value invoke(DispId id, CallKind kind, Args& args) override;
    std::span<const Member> members() const override;

private:
    MonthCalendar& calendar_;
    int weekday_;
};

// One day's own text, drawn in its cell.
class DayItem : public Dispatch {
public:
    DayItem(MonthCalendar& calendar, qint32 date) : calendar_(calendar), date_(date) {}
    Value invoke(DispId id, CallKind kind, Args& args) override;
    std::span<const Member> members() const override;

private:
    MonthCalendar& calendar_;
    qint32 date_;
};

// One of the selected days.
class SelectedDayItem : public Dispatch {
public:
    explicit SelectedDayItem(qint32 date) : date_(date) {}
    Value invoke(DispId id, CallKind kind, Args& args) override;
    std::span<const Member> members() const override;

private:
    qint32 date_;
};

// The collection of selected days.
class SelectedDays : public Dispatch {
public:
    explicit SelectedDays(MonthCalendar& calendar) : calendar_(calendar) {}
    Value invoke(DispId id, CallKind kind, Args& args) override;
    std::span<const Member> members() const override;

private:
    MonthCalendar& calendar_;
};

} // namespace rt
