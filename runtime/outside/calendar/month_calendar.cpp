#include "month_calendar.h"

#include "calendar_ids.h"
#include "runtime/clock.h"
#include "runtime/com/event_args.h"
#include "runtime/error.h"
#include "runtime/ui/qt_cursor.h"
#include "runtime/value/date.h"

#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>

namespace rt {

namespace {

constexpr int getLet = int(CallKind::Get) | int(CallKind::Let);
constexpr int getOnly = int(CallKind::Get);
constexpr int method = int(CallKind::Method);
constexpr Member table[] = {
    {ssMonthId::MousePointer, "MousePointer", getLet},
    {ssMonthId::Date, "Date", getLet},
    {ssMonthId::BooleanOption, "BooleanOption", getLet},
    {ssMonthId::MaxDate, "MaxDate", int(CallKind::Let)},
    {ssMonthId::MinDate, "MinDate", int(CallKind::Let)},
    {ssMonthId::DayTop, "DayTop", getOnly},
    {ssMonthId::DayLeft, "DayLeft", getOnly},
    {ssMonthId::DayWidth, "DayWidth", getOnly},
    {ssMonthId::DayHeight, "DayHeight", getOnly},
    {ssMonthId::Day, "Day", method},
    {ssMonthId::DayOfWeek, "DayOfWeek", method},
    {ssMonthId::MultiSelect, "MultiSelect", getLet},
    {ssMonthId::SelectedDays, "SelectedDays", getOnly},
};

constexpr int rows = 6;
constexpr int columns = 7;

QDate firstOfMonth(qint32 date) {
    const QDate d = dateFromDays(date);
    return QDate(d.year(), d.month(), 1);
}

} // namespace

MonthCalendar::MonthCalendar(QWidget* parent)
    : Control(parent), DragExtender(this), date_(today()), minDate_(daysFromDate(QDate(1900, 1, 1))),
      maxDate_(daysFromDate(QDate(2099, 12, 31))), selected_{date_} {
    for (int w = 1; w <= columns; ++w) weekdays_[w - 1] = std::make_unique<WeekdayItem>(*this, w);
    setFocusPolicy(Qt::StrongFocus);
}

MonthCalendar::~MonthCalendar() = default;

std::span<const Member> MonthCalendar::members() const {
    return table;
}

Value MonthCalendar::invoke(DispId id, CallKind kind, Args& args) {
    checkMember(id, kind);
    const bool read = kind == CallKind::Get;
    switch (id) {
    case ssMonthId::MousePointer:
        if (read) return Value::integer(mousePointer_);
        setMousePointer(argument(args, 0).toInt16());
        return {};
    case ssMonthId::Date:
        if (read) return Value(formatDateText(date_));
        setDate(argument(args, 0).toDate());
        return {};
    case ssMonthId::BooleanOption:
        if (read) return Value::boolean(booleanOption_);
        booleanOption_ = argument(args, 0).toBool();
        return {};
    case ssMonthId::MaxDate: setRange(std::nullopt, argument(args, 0).toDate()); return {};
    case ssMonthId::MinDate: setRange(argument(args, 0).toDate(), std::nullopt); return {};
    case ssMonthId::DayTop:
    case ssMonthId::DayLeft:
    case ssMonthId::DayWidth:
    case ssMonthId::DayHeight: return cellMember(id, argument(args, 0));
    case ssMonthId::Day: {
        const qint32 date = dayOfShownMonth(argument(args, 0).toInt16());
        auto& item = days_[date];
        if (!item) item = std::make_unique<DayItem>(*this, date);
        return Value::object(item.get());
    }
    case ssMonthId::DayOfWeek: {
        const qint16 weekday = argument(args, 0).toInt16();
        if (weekday < 1 || weekday > columns) throw RuntimeError(9);
        return Value::object(weekdays_[weekday - 1].get());
    }
    case ssMonthId::MultiSelect:
        if (read) return Value::boolean(multiSelect_);
        multiSelect_ = argument(args, 0).toBool();
        if (!multiSelect_) selected_ = {date_};
        update();
        return {};
    default: return Value::object(&selectedDays_);
    }
}

void MonthCalendar::raise(int event, Args args) {
    raiseEvent(event, args);
}

void MonthCalendar::setDate(qint32 date) {
    if (date < minDate_ || date > maxDate_)
        throw RuntimeError(dateOutOfRange, QStringLiteral("Date is outside the calendar's range"));
    const qint32 old = date_;
    const bool otherMonth = firstOfMonth(date) != firstOfMonth(old);
    date_ = date;
    if (!multiSelect_) selected_ = {date};
    update();
    if (date == old) return;
    if (otherMonth) raise(ssMonthEvent::InitMonth, {Value::integer(index_)});
    raise(ssMonthEvent::SelChanged,
          {Value::integer(index_), Value(formatDateText(date)), Value(formatDateText(old))});
}

void MonthCalendar::setRange(std::optional<qint32> min, std::optional<qint32> max) {
    const qint32 newMin = min.value_or(minDate_), newMax = max.value_or(maxDate_);
    if (newMin > newMax) throw RuntimeError(380);
    minDate_ = newMin;
    maxDate_ = newMax;
    if (date_ < minDate_ || date_ > maxDate_) setDate(std::clamp(date_, minDate_, maxDate_));
    update();
}

void MonthCalendar::setMousePointer(qint16 pointer) {
    if (pointer != qint16(Pointer::Default) && pointer != qint16(Pointer::Arrow) &&
        pointer != qint16(Pointer::Hourglass))
        throw RuntimeError(380);
    mousePointer_ = pointer;
    QtCursor().setPointer(this, Pointer(pointer));
}

void MonthCalendar::setWeekdayEnabled(int weekday, bool enabled) {
    weekdayEnabled_[weekday - 1] = enabled;
    update();
}

void MonthCalendar::setDayText(qint32 date, const QString& text) {
    if (text.isEmpty())
        dayTexts_.remove(date);
    else
        dayTexts_.insert(date, text);
    update();
}

void MonthCalendar::unselectAll() {
    selected_.clear();
    update();
}

SelectedDayItem* MonthCalendar::selectedDayItem(qint32 date) {
    auto& item = selectedItems_[date];
    if (!item) item = std::make_unique<SelectedDayItem>(date);
    return item.get();
}

qint32 MonthCalendar::dayOfShownMonth(qint16 day) const {
    const QDate first = firstOfMonth(date_);
    if (day < 1 || day > first.daysInMonth()) throw RuntimeError(9);
    return daysFromDate(first) + day - 1;
}

// The key is "mm/dd/yy" of a day of the month shown; a two-digit year is taken in the century that
// puts it nearest the year shown, so that the keys of 2030 find 2030.
Value MonthCalendar::cellMember(DispId id, const Value& key) const {
    std::optional<qint32> date;
    if (key.type() == VarType::Date) {
        date = key.toDate();
    } else {
        static const QRegularExpression form(
            QStringLiteral("^\\s*(\\d{1,2})/(\\d{1,2})/(\\d{2}|\\d{4})\\s*$"));
        if (const auto m = form.match(key.toString()); m.hasMatch()) {
            const int shown = dateFromDays(date_).year();
            int year = m.captured(3).toInt();
            if (m.captured(3).size() == 2) {
                year += shown - shown % 100;
                if (year > shown + 50) year -= 100;
                if (year <= shown - 50) year += 100;
            }
            if (const QDate d(year, m.captured(1).toInt(), m.captured(2).toInt()); d.isValid())
                date = daysFromDate(d);
        }
    }
    const QRect cell = date ? cellRect(*date) : QRect();
    if (cell.isEmpty()) throw RuntimeError(380);
    const QPoint corner = mapTo(window(), cell.topLeft());
    switch (id) {
    case ssMonthId::DayTop: return Value::longInt(corner.y());
    case ssMonthId::DayLeft: return Value::longInt(corner.x());
    case ssMonthId::DayWidth: return Value::longInt(cell.width());
    default: return Value::longInt(cell.height());
    }
}

int MonthCalendar::headerHeight() const {
    return fontMetrics().height() + 10;
}

// Below the title, a row of weekday names and then six rows of days.
QRect MonthCalendar::gridArea() const {
    const int top = headerHeight() + fontMetrics().height() + 6;
    return QRect(0, top, width(), std::max(height() - top, rows));
}

QRect MonthCalendar::cellRect(qint32 date) const {
    const QDate first = firstOfMonth(date_);
    const QDate d = dateFromDays(date);
    if (d.year() != first.year() || d.month() != first.month()) return {};
    const int position = weekday(daysFromDate(first)) - 1 + d.day() - 1;
    const int row = position / columns, column = position % columns;
    const QRect area = gridArea();
    const int left = area.left() + area.width() * column / columns;
    const int right = area.left() + area.width() * (column + 1) / columns;
    const int top = area.top() + area.height() * row / rows;
    const int bottom = area.top() + area.height() * (row + 1) / rows;
    return QRect(left, top, right - left, bottom - top);
}

std::optional<qint32> MonthCalendar::dateAt(QPoint pos) const {
    const QDate first = firstOfMonth(date_);
    for (int day = 1; day <= first.daysInMonth(); ++day) {
        const qint32 date = daysFromDate(first) + day - 1;
        if (cellRect(date).contains(pos)) return date;
    }
    return std::nullopt;
}

QRect MonthCalendar::stepButton(int months) const {
    const int h = headerHeight();
    return months < 0 ? QRect(0, 0, h, h) : QRect(width() - h, 0, h, h);
}

bool MonthCalendar::choosable(qint32 date) const {
    return date >= minDate_ && date <= maxDate_ && weekdayEnabled(weekday(date));
}

void MonthCalendar::choose(qint32 date) {
    if (!choosable(date)) return;
    if (multiSelect_ && !selected_.erase(date)) selected_.insert(date);
    setDate(date);
}

// The buttons beside the title show the month before or after, on the same day where it has one.
void MonthCalendar::showMonthStep(int months) {
    const qint32 target = daysFromDate(dateFromDays(date_).addMonths(months));
    const QDate first = firstOfMonth(target);
    if (daysFromDate(first) > maxDate_ || daysFromDate(first) + first.daysInMonth() - 1 < minDate_) return;
    setDate(std::clamp(target, minDate_, maxDate_));
}

void MonthCalendar::mousePressEvent(QMouseEvent* event) {
    raise(ssMonthEvent::MouseDown, {Value::integer(index_), Value::integer(mouseButtons(event->button()))});
    if (event->button() != Qt::LeftButton) return;
    const QPoint pos = event->position().toPoint();
    if (stepButton(-1).contains(pos))
        showMonthStep(-1);
    else if (stepButton(1).contains(pos))
        showMonthStep(1);
    else if (const auto date = dateAt(pos))
        choose(*date);
}

void MonthCalendar::mouseDoubleClickEvent(QMouseEvent* event) {
    raise(ssMonthEvent::MouseDown, {Value::integer(index_), Value::integer(mouseButtons(event->button()))});
    raise(ssMonthEvent::DblClick, {Value::integer(index_)});
}

void MonthCalendar::focusInEvent(QFocusEvent* event) {
    Control::focusInEvent(event);
    raise(ssMonthEvent::GotFocus, {Value::integer(index_)});
}

QSize MonthCalendar::sizeHint() const {
    const QFontMetrics fm = fontMetrics();
    return QSize(columns * (fm.horizontalAdvance(QStringLiteral("00")) + 16),
                 headerHeight() + fm.height() + 6 + rows * (fm.height() * 2 + 4));
}

void MonthCalendar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette pal = palette();
    const QFontMetrics fm = fontMetrics();
    const QDate first = firstOfMonth(date_);
    p.fillRect(rect(), pal.base());

    const int h = headerHeight();
    p.fillRect(QRect(0, 0, width(), h), pal.button());
    p.setPen(pal.color(QPalette::ButtonText));
    p.drawText(QRect(0, 0, width(), h), Qt::AlignCenter,
               QLocale().toString(first, QStringLiteral("MMMM yyyy")));
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(pal.buttonText());
    for (int step : {-1, 1}) {
        const QRectF b = QRectF(stepButton(step)).adjusted(h * 0.3, h * 0.3, -h * 0.3, -h * 0.3);
        const QPolygonF arrow =
            step < 0 ? QPolygonF{{b.right(), b.top()}, {b.left(), b.center().y()}, b.bottomRight()}
                     : QPolygonF{b.topLeft(), {b.right(), b.center().y()}, b.bottomLeft()};
        p.drawPolygon(arrow);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);

    const QRect area = gridArea();
    for (int column = 0; column < columns; ++column) {
        const int qtDay = column == 0 ? 7 : column; // Sunday first
        const QRect r(area.left() + area.width() * column / columns, h, area.width() / columns,
                      area.top() - h);
        p.setPen(pal.color(weekdayEnabled_[column] ? QPalette::Active : QPalette::Disabled, QPalette::Text));
        p.drawText(r, Qt::AlignCenter, QLocale().dayName(qtDay, QLocale::ShortFormat));
    }

    QFont small = font();
    small.setPointSizeF(font().pointSizeF() * 0.85);
    for (int day = 1; day <= first.daysInMonth(); ++day) {
        const qint32 date = daysFromDate(first) + day - 1;
        const QRect cell = cellRect(date);
        const bool chosen = selected_.count(date) > 0;
        if (chosen) p.fillRect(cell, pal.highlight());
        p.setPen(pal.color(QPalette::Mid));
        p.drawRect(cell.adjusted(0, 0, -1, -1));
        const QPalette::ColorRole role = chosen ? QPalette::HighlightedText : QPalette::Text;
        p.setPen(pal.color(choosable(date) ? QPalette::Active : QPalette::Disabled, role));
        const QRect inner = cell.adjusted(3, 2, -3, -2);
        p.setFont(font());
        p.drawText(inner, Qt::AlignLeft | Qt::AlignTop, QString::number(day));
        if (const QString text = dayText(date); !text.isEmpty()) {
            p.setFont(small);
            const QRect below = inner.adjusted(0, fm.height(), 0, 0);
            p.drawText(below, Qt::AlignLeft | Qt::AlignTop,
                       QFontMetrics(small).elidedText(text, Qt::ElideRight, below.width()));
        }
        if (date == date_) {
            p.setPen(QPen(pal.color(QPalette::Text), 1, Qt::DotLine));
            p.drawRect(cell.adjusted(1, 1, -2, -2));
        }
    }
}

} // namespace rt
