#include "planner/ui/window_helpers.h"
#include "runtime/com/twips.h"
#include "runtime/error.h"
#include "runtime/outside/calendar/calendar_ids.h"
#include "runtime/outside/calendar/month_calendar.h"
#include "runtime/outside/tree/outside_tree.h"
#include "runtime/outside/tree/tree_ids.h"
#include "runtime/testing/recording_message_box.h"
#include "runtime/testing/test_dates.h"
#include "runtime/value/date.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

using rt::Value;

using rt::day;

TEST(DisableCalendarWeekends, SundayAndSaturdayAreSwitchedOff) {
    rt::MonthCalendar cal;
    DisableCalendarWeekends(cal);
    for (int w = 1; w <= 7; ++w) EXPECT_EQ(cal.weekdayEnabled(w), w != 1 && w != 7) << w;
}

// A month view: the calendar on the form, the day boxes on a panel of their own inside it.
class MonthDayBox : public ::testing::Test {
protected:
    void SetUp() override {
        form.resize(600, 450);
        cal->setGeometry(20, 40, 420, 300);
        panel->setGeometry(7, 5, 580, 430);
        box->setGeometry(1, 2, 30, 10);
        rt::let(*cal, rt::ssMonthId::Date, Value::date(day(2024, 3, 15)));
        form.show();
    }
    QRect cell(const QString& key) {
        const auto m = [&](rt::DispId id) { return rt::get(*cal, id, {Value(key)}).toInt32(); };
        return QRect(m(rt::ssMonthId::DayLeft), m(rt::ssMonthId::DayTop), m(rt::ssMonthId::DayWidth),
                     m(rt::ssMonthId::DayHeight));
    }
    QRect boxOnForm() const { return QRect(box->mapTo(&form, QPoint(0, 0)), box->size()); }

    QWidget form;
    rt::MonthCalendar* cal = new rt::MonthCalendar(&form);
    QWidget* panel = new QWidget(&form);
    QLineEdit* box = new QLineEdit(panel);
    rt::RecordingMessageBox msg;
};

TEST_F(MonthDayBox, TheBoxLiesOverTheCellOfTheThird) {
    EXPECT_EQ(PositionMonthDayBox(msg, &form, box, 0, Value::date(day(2024, 3, 3)), *cal), 0);
    const QRect c = cell("03/03/24");
    // The calendar's own cell, where a click chooses the 3rd.
    EXPECT_EQ(c, QRect(cal->mapTo(&form, cal->cellRect(day(2024, 3, 3)).topLeft()),
                       cal->cellRect(day(2024, 3, 3)).size()));
    EXPECT_EQ(boxOnForm().topLeft(), c.topLeft());
    EXPECT_EQ(box->width(), c.width());
    EXPECT_EQ(box->height(), rt::twips::toPx(rt::twips::fromPx(c.height()) - 20));
    EXPECT_LT(box->height(), c.height());
    EXPECT_TRUE(msg.shown.isEmpty());

    // Allowance -1 stands for 23 pixels.
    EXPECT_EQ(PositionMonthDayBox(msg, &form, box, -1, Value::date(day(2024, 3, 3)), *cal), 0);
    EXPECT_EQ(boxOnForm().topLeft(), c.topLeft() - QPoint(0, 23));
}

TEST_F(MonthDayBox, ADayThatCannotBeFormattedShowsTheErrorAndGivesMinusOne) {
    const QRect before = boxOnForm();
    for (const Value& bad : {Value::null(), Value("not a day")}) {
        msg.shown.clear();
        EXPECT_EQ(PositionMonthDayBox(msg, &form, box, 0, bad, *cal), -1);
        ASSERT_EQ(msg.shown.size(), 1);
        EXPECT_EQ(msg.shown[0],
                  (rt::MbRequest{"An error has occured", "Error", rt::MbButtons::Ok, rt::MbIcon::Critical}));
    }
    EXPECT_EQ(boxOnForm(), before);
}

TEST_F(MonthDayBox, ADayTheCalendarDoesNotShowLeavesTheBox) {
    const QRect before = boxOnForm();
    EXPECT_EQ(PositionMonthDayBox(msg, &form, box, 0, Value::date(day(2024, 4, 3)), *cal), 0);
    EXPECT_EQ(boxOnForm(), before);
    EXPECT_TRUE(msg.shown.isEmpty());
}

TEST(IsTreeLeafSelected, TrueForANodeWithoutChildren) {
    rt::OutsideTree tree;
    rt::Dispatch& root = *rt::get(tree, rt::pvTreeId::Root).toObject();
    const auto add = [](rt::Dispatch& parent, const char* caption) -> rt::Dispatch& {
        return *rt::call(parent, rt::pvNodeId::AddChild,
                         {Value::longInt(0), Value::integer(0), Value(caption)})
                    .toObject();
    };
    EXPECT_THROW(IsTreeLeafSelected(tree), rt::RuntimeError); // nothing selected
    rt::Dispatch& unit = add(root, "Unit");
    add(unit, ""); // placeholder
    rt::Dispatch& leaf = add(root, "Leaf");
    rt::call(unit, rt::pvNodeId::Select, {Value::integer(1)});
    EXPECT_FALSE(IsTreeLeafSelected(tree));
    rt::call(leaf, rt::pvNodeId::Select, {Value::integer(1)});
    EXPECT_TRUE(IsTreeLeafSelected(tree));
}

} // namespace
