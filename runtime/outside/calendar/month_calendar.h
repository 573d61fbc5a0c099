#pragma once

#include "calendar_items.h"
#include "runtime/com/control.h"
#include "runtime/ui/manual_drag.h"

#include <QMap>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <set>

namespace rt {

// The month calendar: one month drawn as a grid of day cells, Sunday first, under a title with a
// button to the month before and after. A click chooses a day (with MultiSelect it toggles the day
// in the selected days too); weekdays switched off and days outside the range cannot be chosen.
// Reached by the ids of calendar_ids.h, raising the events listed there.
class MonthCalendar : public Control, public DragExtender {
    Q_OBJECT
public:
    explicit MonthCalendar(QWidget* parent = nullptr);
    ~MonthCalendar() override;

    Value invoke(DispId id, CallKind kind, Args& args) override;
    std::span<const Member> members() const override;

    // The windows set what they need when they load; nothing of the calendar is kept in their data.
    void initProperties() override {}
    void readProperties(PropertyBag&) override {}
    void writeProperties(PropertyBag&) override {}

    // The calendar's index in its window's control array, passed with every event.
    void setIndex(qint16 index) { index_ = index; }

    qint32 date() const { return date_; }
    // Error 32006 outside the range.
    void setDate(qint32 date);

    bool weekdayEnabled(int weekday) const { return weekdayEnabled_[weekday - 1]; }
    void setWeekdayEnabled(int weekday, bool enabled);
    QString dayText(qint32 date) const { return dayTexts_.value(date); }
    void setDayText(qint32 date, const QString& text);
    QList<qint32> selectedDays() const { return {selected_.begin(), selected_.end()}; }
    void unselectAll();
    SelectedDayItem* selectedDayItem(qint32 date);

    // A day's cell in the calendar's own pixels; empty for a day outside the month shown.
    QRect cellRect(qint32 date) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void raise(int event, Args args);
    void setRange(std::optional<qint32> min, std::optional<qint32> max);
    void setMousePointer(qint16 pointer);
    bool choosable(qint32 date) const;
    void choose(qint32 date);
    void showMonthStep(int months);
    Value cellMember(DispId id, const Value& key) const;
    qint32 dayOfShownMonth(qint16 day) const;
    int headerHeight() const;
    QRect gridArea() const;
    QRect stepButton(int months) const;
    std::optional<qint32> dateAt(QPoint pos) const;

    qint32 date_;
    qint32 minDate_, maxDate_;
    qint16 index_ = 0;
    qint16 mousePointer_ = 0;
    bool multiSelect_ = false;
    bool booleanOption_ = false;
    std::array<bool, 7> weekdayEnabled_{true, true, true, true, true, true, true};
    QMap<qint32, QString> dayTexts_;
    std::set<qint32> selected_;
    std::array<std::unique_ptr<WeekdayItem>, 7> weekdays_;
    std::map<qint32, std::unique_ptr<DayItem>> days_;
    std::map<qint32, std::unique_ptr<SelectedDayItem>> selectedItems_;
    SelectedDays selectedDays_{*this};
};

} // namespace rt
