// The controls of the calendar views: the labels of the day and week views, the two month calendars,
// the six week cells made from their control library, and the month view's day boxes; their events
// reach the window's handlers.
#include "day_box.h"
#include "plan_x.h"
#include "plan_x_design.h"

#include "controls/weekcell/WeekViewCellIds.h"
#include "planner/dialogs/dialog_controls.h"
#include "planner/ui/window_helpers.h"
#include "runtime/com/component_registry.h"
#include "runtime/com/font_object.h"
#include "runtime/com/property_bag.h"
#include "runtime/outside/calendar/calendar_ids.h"
#include "runtime/outside/calendar/month_calendar.h"
#include "runtime/ui/fitted_text.h"
#include "runtime/ui/manual_drag.h"

#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// The views' labels keep their texts inside their places: a text too long for its label ends in "…".
QLabel* label(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* l = designed<rt::FittedLabel>(parent, name);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setWordWrap(true);
    place(l, left, top, width, height);
    return l;
}

// The design of every week cell as the window keeps it: a border, the date in MS Sans Serif and the
// title in Arial, both 8.25 pt, no texts and no label borders.
rt::MapPropertyBag weekCellDesign() {
    const auto font = [](const char* family) {
        QFont f{QString::fromLatin1(family)};
        f.setPointSizeF(8.25);
        return rt::fontValue(f);
    };
    const std::pair<const char*, rt::Value> design[] = {
        {"BorderStyle", rt::Value::integer(1)},
        {"DateFont", font("MS Sans Serif")},
        {"TitleFont", font("Arial")},
        {"DateText", QString()},
        {"TitleText", QString()},
        {"DateBorderStyle", rt::Value::integer(0)},
        {"TitleBorderStyle", rt::Value::integer(0)},
    };
    rt::MapPropertyBag bag;
    for (const auto& [key, value] : design) bag.writeProperty(QLatin1String(key), value, rt::Value());
    return bag;
}

// A day box's Click (a release after its press, not the one that ends a double click), DblClick and
// GotFocus.
class DayBoxEvents : public QObject {
public:
    DayBoxEvents(QPlainTextEdit* box, std::function<void()> click, std::function<void()> dblClick,
                 std::function<void()> gotFocus)
        : QObject(box), click_(std::move(click)), dblClick_(std::move(dblClick)),
          gotFocus_(std::move(gotFocus)) {
        box->installEventFilter(this);
        box->viewport()->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonRelease:
            if (!afterDoubleClick_) click_();
            afterDoubleClick_ = false;
            break;
        case QEvent::MouseButtonDblClick:
            afterDoubleClick_ = true;
            dblClick_();
            break;
        case QEvent::FocusIn: gotFocus_(); break;
        default: break;
        }
        return false;
    }

private:
    std::function<void()> click_, dblClick_, gotFocus_;
    bool afterDoubleClick_ = false;
};

// Runs `gotFocus` whenever `control` receives the focus.
class FocusEvents : public QObject {
public:
    FocusEvents(QWidget* control, std::function<void()> gotFocus)
        : QObject(control), gotFocus_(std::move(gotFocus)) {
        control->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) gotFocus_();
        return false;
    }

private:
    std::function<void()> gotFocus_;
};

} // namespace

void PlanX::makeCalendarViews() {
    // The day view's date, class and lesson title above the lesson panel.
    lblDate[1] = label(picDayView, "lblDate", 45, 405, 4605, 270);
    lblTeacher[0] = label(picDayView, "lblTeacher", 45, 675, 4605, 270);
    lblUnit[0] = label(picDayView, "lblUnit", 45, 945, 4605, 495);
    QFont bold = lblUnit[0]->font();
    bold.setBold(true);
    lblUnit[0]->setFont(bold);

    // The week view: its range and class line, the calendar top right, the cells in two columns.
    lblDate[0] = label(picWeekView, "lblDate", 225, 195, 4695, 270);
    lblTeacher[1] = label(picWeekView, "lblTeacher", 225, 585, 5580, 1740);
    SSMonth1[0] = designed<rt::MonthCalendar>(picWeekView, "SSMonth1");
    place(SSMonth1[0], 6120, 15, 3345, 2670);
    SSMonth1[1] = designed<rt::MonthCalendar>(picMonthView, "SSMonth1");
    place(SSMonth1[1], 36, 24, 9468, 6072);
    for (qint16 index = 0; index < 2; ++index) {
        SSMonth1[index]->setIndex(index);
        connect(
            SSMonth1[index], &rt::Control::raised, this,
            [this](int event, rt::Args& args) {
                runHandler([&] {
                    const qint16 index = rt::argument(args, 0).toInt16();
                    switch (event) {
                    case rt::ssMonthEvent::SelChanged:
                        SSMonth1_SelChanged(index, rt::argument(args, 1).toString(),
                                            rt::argument(args, 2).toString());
                        break;
                    case rt::ssMonthEvent::InitMonth: SSMonth1_InitMonth(); break;
                    case rt::ssMonthEvent::MouseDown:
                        SSMonth1_MouseDown(index, rt::argument(args, 1).toInt16());
                        break;
                    case rt::ssMonthEvent::DblClick: SSMonth1_DblClick(); break;
                    case rt::ssMonthEvent::GotFocus: SSMonth1_GotFocus(); break;
                    default: break;
                    }
                });
            },
            Qt::DirectConnection);
    }

    rt::MapPropertyBag design = weekCellDesign();
    const int tops[] = {2730, 3870, 5010};
    for (qint16 i = 0; i < 6; ++i) {
        rt::Control* cell = components_.create(QStringLiteral("CVCell.WeekViewCell"), picWeekView);
        cell->setObjectName(QStringLiteral("cCell"));
        cell->readProperties(design);
        if (i < 3)
            place(cell, 45, tops[i], 4665, 1110);
        else
            place(cell, 4740, tops[i - 3], 4740, 1110);
        connect(
            cell, &rt::Control::raised, this,
            [this, i](int event, rt::Args&) {
                if (event == WeekViewCellId::Click) runHandler([this, i] { cCell_Click(i); });
                if (event == WeekViewCellId::DblClick) runHandler([this, i] { cCell_DblClick(i); });
            },
            Qt::DirectConnection);
        new FocusEvents(cell, [this, i] { runHandler([this, i] { cCell_GotFocus(i); }); });
        cCell[i] = cell;
    }

    // The design's day box, which the boxes of the days copy at load: its text wraps within the day.
    txtMV[0] = designed<DayBox>(centralWidget(), "txtMV");
    txtMV[0]->setReadOnly(true);
    txtMV[0]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtMV[0]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtMV[0]->hide();

    connect(cmdPrevDay, &QPushButton::clicked, this, [this] { runHandler([this] { cmdPrevDay_Click(); }); });
    connect(cmdNextDay, &QPushButton::clicked, this, [this] { runHandler([this] { cmdNextDay_Click(); }); });
    rt::ManualDrag::makeTarget(cmdPrevDay, [this](const QString&, QPoint) { cmdPrevDay_DragDrop(); });
    rt::ManualDrag::makeTarget(cmdNextDay, [this](const QString&, QPoint) { cmdNextDay_DragDrop(); });
}

void PlanX::setUpCalendars() {
    for (rt::MonthCalendar* cal : SSMonth1) {
        DisableCalendarWeekends(*cal);
        rt::let(*cal, rt::ssMonthId::MinDate, QStringLiteral("1/1/1990"));
        // Far enough ahead that the calendars follow the current date for the planner's whole life.
        rt::let(*cal, rt::ssMonthId::MaxDate, QStringLiteral("12/31/2099"));
        rt::let(*cal, rt::ssMonthId::BooleanOption, rt::Value::boolean(true));
    }
}

void PlanX::makeDayBoxes() {
    for (qint16 k = 1; k <= 31; ++k) {
        auto* box = designed<DayBox>(centralWidget(), "txtMV");
        box->setReadOnly(txtMV[0]->isReadOnly());
        box->setVerticalScrollBarPolicy(txtMV[0]->verticalScrollBarPolicy());
        box->setHorizontalScrollBarPolicy(txtMV[0]->horizontalScrollBarPolicy());
        box->setFont(txtMV[0]->font());
        box->hide();
        new DayBoxEvents(
            box, [this, k] { runHandler([this, k] { txtMV_Click(k); }); },
            [this, k] { runHandler([this, k] { txtMV_DblClick(k); }); },
            [this, k] { runHandler([this, k] { txtMV_GotFocus(k); }); });
        txtMV[k] = box;
    }
}
