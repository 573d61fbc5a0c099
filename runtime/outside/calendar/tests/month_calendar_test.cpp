#include "runtime/clock.h"
#include "runtime/outside/calendar/calendar_ids.h"
#include "runtime/outside/calendar/month_calendar.h"
#include "runtime/testing/error_of.h"
#include "runtime/testing/test_dates.h"
#include "runtime/value/date.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace rt;

namespace {

struct Raised {
    int id;
    Args args;
};

// A calendar placed on a window at an offset, with a recorder of its events. It shows March 2024,
// whose 1st is a Friday.
class CalendarTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(400, 320);
        cal->setGeometry(12, 30, 294, 238);
        cal->setIndex(1);
        let(*cal, ssMonthId::Date, Value::date(day(2024, 3, 15)));
        window.show();
        QObject::connect(cal, &Control::raised, [this](int id, Args& args) { events.append({id, args}); });
    }

    QList<int> ids() const {
        QList<int> out;
        for (const Raised& r : events) out.append(r.id);
        return out;
    }
    QString dateText() { return get(*cal, ssMonthId::Date).toString(); }
    QRect cellOf(const QString& key) {
        const auto member = [&](DispId id) { return get(*cal, id, {Value(key)}).toInt32(); };
        return QRect(member(ssMonthId::DayLeft), member(ssMonthId::DayTop), member(ssMonthId::DayWidth),
                     member(ssMonthId::DayHeight));
    }
    // A click at the middle of a day's cell as the geometry members give it.
    void click(const QString& key, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(cal, button, {}, cal->mapFrom(&window, cellOf(key).center()));
    }
    Dispatch& selectedDays() { return *get(*cal, ssMonthId::SelectedDays).toObject(); }
    QStringList selectedTexts() {
        QStringList out;
        Dispatch& days = selectedDays();
        const qint32 n = get(days, ssSelectedDaysId::Count).toInt32();
        for (qint32 i = 0; i < n; ++i)
            out << get(*get(days, ssSelectedDaysId::Item, {Value::longInt(i)}).toObject(),
                       ssSelectedDayId::Date)
                       .toString();
        return out;
    }

    QWidget window;
    MonthCalendar* cal = new MonthCalendar(&window);
    QList<Raised> events;
};

// A new calendar shows the program's today, the day every window starts from.
TEST(MonthCalendar, StartsOnTheProgramsToday) {
    setToday(day(2031, 6, 10));
    const MonthCalendar cal;
    setToday(std::nullopt);
    EXPECT_EQ(cal.date(), day(2031, 6, 10));
}

TEST_F(CalendarTest, SettingTheDateRaisesSelChangedWithTheIndexAndBothDates) {
    EXPECT_EQ(dateText(), "3/15/2024");
    let(*cal, ssMonthId::Date, Value("3/18/2024"));
    EXPECT_EQ(dateText(), "3/18/2024");
    ASSERT_EQ(ids(), QList<int>{ssMonthEvent::SelChanged});
    EXPECT_EQ(events[0].args[0].toInt16(), 1);
    EXPECT_EQ(events[0].args[1].toString(), "3/18/2024");
    EXPECT_EQ(events[0].args[2].toString(), "3/15/2024");

    let(*cal, ssMonthId::Date, Value::date(day(2024, 3, 18))); // no change, no event
    EXPECT_EQ(events.size(), 1);
    let(*cal, ssMonthId::Date, Value::date(day(2024, 4, 2)));
    EXPECT_EQ(ids(),
              (QList<int>{ssMonthEvent::SelChanged, ssMonthEvent::InitMonth, ssMonthEvent::SelChanged}));
    EXPECT_EQ(rt::errorOf([&] { let(*cal, ssMonthId::Date, Value("someday")); }), 13);
}

TEST_F(CalendarTest, TheRangeRefusesDatesOutsideIt) {
    let(*cal, ssMonthId::MinDate, Value("1/1/1990"));
    let(*cal, ssMonthId::MaxDate, Value("12/31/2030"));
    EXPECT_EQ(rt::errorOf([&] { let(*cal, ssMonthId::Date, Value("12/31/1989")); }), dateOutOfRange);
    EXPECT_EQ(rt::errorOf([&] { let(*cal, ssMonthId::Date, Value("1/1/2031")); }), dateOutOfRange);
    EXPECT_EQ(dateText(), "3/15/2024");
    let(*cal, ssMonthId::Date, Value("12/31/2030"));
    let(*cal, ssMonthId::Date, Value("1/1/1990"));
    EXPECT_EQ(rt::errorOf([&] { let(*cal, ssMonthId::MinDate, Value("1/1/2040")); }), 380);

    // The button to the month before does nothing in the first month of the range.
    events.clear();
    QTest::mouseClick(cal, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(dateText(), "1/1/1990");
    EXPECT_FALSE(ids().contains(ssMonthEvent::SelChanged));
    QTest::mouseClick(cal, Qt::LeftButton, {}, QPoint(cal->width() - 5, 5));
    EXPECT_EQ(dateText(), "2/1/1990");
    EXPECT_EQ(ids(), (QList<int>{ssMonthEvent::MouseDown, ssMonthEvent::MouseDown, ssMonthEvent::InitMonth,
                                 ssMonthEvent::SelChanged}));
}

TEST_F(CalendarTest, WeekdaysSwitchedOffCannotBeChosen) {
    for (qint16 weekday : {1, 7})
        let(*call(*cal, ssMonthId::DayOfWeek, {Value::integer(weekday)}).toObject(), ssDayOfWeekId::Enabled,
            Value::boolean(false));
    EXPECT_FALSE(
        get(*call(*cal, ssMonthId::DayOfWeek, {Value::integer(7)}).toObject(), ssDayOfWeekId::Enabled)
            .toBool());
    EXPECT_TRUE(get(*call(*cal, ssMonthId::DayOfWeek, {Value::integer(2)}).toObject(), ssDayOfWeekId::Enabled)
                    .toBool());
    click("03/16/24"); // a Saturday
    click("03/17/24"); // a Sunday
    EXPECT_EQ(dateText(), "3/15/2024");
    EXPECT_FALSE(ids().contains(ssMonthEvent::SelChanged));
    click("03/18/24"); // a Monday
    EXPECT_EQ(dateText(), "3/18/2024");
    EXPECT_EQ(rt::errorOf([&] { call(*cal, ssMonthId::DayOfWeek, {Value::integer(8)}); }), 9);
}

TEST_F(CalendarTest, ADayKeepsItsOwnText) {
    Dispatch& third = *call(*cal, ssMonthId::Day, {Value::integer(3)}).toObject();
    let(third, ssDayId::Text, Value("Field trip"));
    EXPECT_EQ(get(third, ssDayId::Text).toString(), "Field trip");
    EXPECT_EQ(cal->dayText(day(2024, 3, 3)), "Field trip");
    let(third, ssDayId::Text, Value(""));
    EXPECT_EQ(cal->dayText(day(2024, 3, 3)), "");
    EXPECT_EQ(rt::errorOf([&] { call(*cal, ssMonthId::Day, {Value::integer(32)}); }), 9);
}

// The cell members give the calendar's own cells in the window's pixels: a click at the middle of
// what they give chooses that day, and the days of a week lie side by side.
TEST_F(CalendarTest, DayCellGeometryIsTheCalendarsOwn) {
    const QRect third = cellOf("03/03/24");
    EXPECT_EQ(third.topLeft(), cal->mapTo(&window, cal->cellRect(day(2024, 3, 3)).topLeft()));
    EXPECT_GT(third.width(), 30);
    EXPECT_GT(third.height(), 20);
    EXPECT_EQ(cellOf("03/04/24").left(), third.left() + third.width());
    EXPECT_EQ(cellOf("03/10/24").top(), third.top() + third.height());
    EXPECT_EQ(cellOf("3/3/2024"), third);
    click("03/21/24");
    EXPECT_EQ(dateText(), "3/21/2024");

    EXPECT_EQ(rt::errorOf([&] { cellOf("04/03/24"); }), 380); // not in the month shown
    EXPECT_EQ(rt::errorOf([&] { cellOf("3rd"); }), 380);
    let(*cal, ssMonthId::Date, Value("1/15/2030"));
    EXPECT_NO_THROW(cellOf("01/15/30")); // a two-digit year in the shown month's century
}

TEST_F(CalendarTest, SelectedDaysInOneAndMultipleSelection) {
    EXPECT_EQ(selectedTexts(), QStringList{"3/15/2024"});
    let(*cal, ssMonthId::MultiSelect, Value::boolean(true));
    call(selectedDays(), ssSelectedDaysId::RemoveAll);
    EXPECT_EQ(get(selectedDays(), ssSelectedDaysId::Count).toInt32(), 0);
    click("03/20/24");
    click("03/05/24");
    click("03/12/24");
    click("03/20/24"); // a second click leaves the day out again
    EXPECT_EQ(selectedTexts(), (QStringList{"3/5/2024", "3/12/2024"}));
    EXPECT_EQ(dateText(), "3/20/2024");
    EXPECT_EQ(rt::errorOf([&] { get(selectedDays(), ssSelectedDaysId::Item, {Value::longInt(2)}); }), 9);
    call(selectedDays(), ssSelectedDaysId::RemoveAll);
    EXPECT_TRUE(selectedTexts().isEmpty());

    let(*cal, ssMonthId::MultiSelect, Value::boolean(false));
    click("03/07/24");
    EXPECT_EQ(selectedTexts(), QStringList{"3/7/2024"});
}

TEST_F(CalendarTest, MouseAndFocusEvents) {
    click("03/07/24", Qt::RightButton);
    EXPECT_EQ(ids(), QList<int>{ssMonthEvent::MouseDown}); // the right button chooses nothing
    EXPECT_EQ(events[0].args[1].toInt16(), 2);
    events.clear();
    click("03/07/24"); // the first click of a double click chooses the day
    QTest::mouseDClick(cal, Qt::LeftButton, {}, cal->mapFrom(&window, cellOf("03/07/24").center()));
    EXPECT_EQ(ids(), (QList<int>{ssMonthEvent::MouseDown, ssMonthEvent::SelChanged, ssMonthEvent::MouseDown,
                                 ssMonthEvent::DblClick}));
    EXPECT_EQ(dateText(), "3/7/2024");
    EXPECT_EQ(events.first().args[0].toInt16(), 1);
    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(cal, &in);
    EXPECT_EQ(ids().last(), ssMonthEvent::GotFocus);
}

TEST_F(CalendarTest, MousePointerOptionAndUnknownMembers) {
    let(*cal, ssMonthId::MousePointer, Value::integer(11));
    EXPECT_EQ(cal->cursor().shape(), Qt::WaitCursor);
    EXPECT_EQ(get(*cal, ssMonthId::MousePointer).toInt16(), 11);
    let(*cal, ssMonthId::MousePointer, Value::integer(0));
    EXPECT_FALSE(cal->testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(rt::errorOf([&] { let(*cal, ssMonthId::MousePointer, Value::integer(5)); }), 380);

    let(*cal, ssMonthId::BooleanOption, Value::boolean(true));
    EXPECT_TRUE(get(*cal, ssMonthId::BooleanOption).toBool());
    EXPECT_EQ(rt::errorOf([&] { get(*cal, ssMonthId::MinDate); }), 438);
    EXPECT_EQ(rt::errorOf([&] { get(*cal, 1234); }), 438);
}

} // namespace
