// The current date and how it changes: the day buttons, the week cells, the calendars and the month
// view's day boxes, and the cells and boxes filled for the week and the month shown.
#include "plan_x.h"

#include "controls/weekcell/WeekViewCellIds.h"
#include "planner/core/date_captions.h"
#include "planner/core/planner.h"
#include "planner/core/presentation.h"
#include "planner/core/school_days.h"
#include "planner/data/lesson_plans.h"
#include "planner/ui/localize_control.h"
#include "planner/ui/window_helpers.h"
#include "runtime/clock.h"
#include "runtime/com/control.h"
#include "runtime/com/olecolor.h"
#include "runtime/error.h"
#include "runtime/outside/calendar/calendar_ids.h"
#include "runtime/outside/calendar/month_calendar.h"
#include "runtime/value/date.h"

#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>

namespace {

constexpr quint32 white = 0xFFFFFF;
constexpr quint32 blue = 0xFF0000;

rt::Value colour(quint32 c) {
    return rt::Value::longInt(qint32(c));
}

void paintDayBox(QPlainTextEdit* box, quint32 back, quint32 text) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, rt::olecolor::toQColor(back, palette));
    palette.setColor(QPalette::Text, rt::olecolor::toQColor(text, palette));
    box->setPalette(palette);
}

// Nothing can be cut, copied or pasted on the cells, the calendars and the day boxes.
void disableTextCommands(PlanX& w) {
    for (QAction* item : {w.mnuEditCopyText, w.mnuEditCutText, w.mnuEditPasteText}) item->setEnabled(false);
}

} // namespace

void PlanX::ChangeCurrentDate(qint32 d) {
    rt::Cursor& cursor = planner_.platform.cursor;
    cursor.setPointer(this, rt::Pointer::Hourglass);
    // Every way out gives the pointer back and listens to the calendars again: a flag left set would
    // have every later selection on a calendar ignored.
    const auto done = qScopeGuard([&] {
        cursor.setPointer(this, rt::Pointer::Default);
        IgnoreCalendarChange = false;
    });
    CommitObjectives();
    IgnoreCalendarChange = true;
    try {
        for (rt::MonthCalendar* cal : SSMonth1)
            if (rt::get(*cal, rt::ssMonthId::Date).toDate() != d)
                rt::let(*cal, rt::ssMonthId::Date, rt::Value::date(d));
    } catch (const rt::RuntimeError& e) {
        // A calendar that cannot show the date keeps its own; the date becomes current all the same, with
        // its own plan, so that no other day's plan takes its objectives and resources.
        if (e.number != rt::dateOutOfRange) throw;
    }
    LessonPlanRecord plan;
    if (GetLessonPlanForDate(d, plan)) {
        CurrentLesson = plan;
    } else {
        ResetLessonRecord(CurrentLesson);
        CurrentLesson.LPDate = d;
    }
    enableLessonCommands();
    // The calendars' own events keep the month view up to date.
    if (!opMonthView->isChecked()) RefreshView();
}

void PlanX::UpdateWeekViewCells(qint32 monday) {
    for (rt::Control* cell : cCell) rt::let(*cell, WeekViewCellId::BackColor, colour(formBackColor_));
    for (qint16 i = 0; i < 5; ++i) {
        rt::Control& cell = *cCell[i];
        const qint32 day = monday + i;
        rt::let(cell, WeekViewCellId::DateText, FormatDayCaption(day));
        LessonPlanRecord plan;
        rt::let(cell, WeekViewCellId::TitleText,
                GetLessonPlanForDate(day, plan) ? FormatWeekCellItem(plan) : "");
        rt::let(cell, WeekViewCellId::CellDate, rt::Value::date(day));
        if (rt::get(cell, WeekViewCellId::CellDate).toDate() == CurrentLesson.LPDate) {
            rt::let(*cCell[SelectedCellIndex], WeekViewCellId::BackColor, colour(formBackColor_));
            rt::let(cell, WeekViewCellId::BackColor, colour(white));
            SelectedCellIndex = i;
        }
        rt::let(cell, WeekViewCellId::Enabled, rt::Value::boolean(true));
    }
    rt::let(*cCell[5], WeekViewCellId::DateText, FormatWeekendCaption(monday + 5));
    rt::let(*cCell[5], WeekViewCellId::Enabled, rt::Value::boolean(false));
}

void PlanX::UpdateMonthViewCells(const rt::Value& d) {
    rt::MonthCalendar& cal = *SSMonth1[1];
    rt::Cursor& cursor = planner_.platform.cursor;
    cal.setEnabled(false);
    cursor.setPointer(this, rt::Pointer::Hourglass);
    rt::let(cal, rt::ssMonthId::MousePointer, rt::Value::integer(qint16(rt::Pointer::Hourglass)));
    planner_.platform.loop.yield();

    const bool none =
        d.isNull() || d.isEmpty() || (d.type() == rt::VarType::String && d.toString().isEmpty());
    // Each day is built from its numbers, so that no locale reads a day for a month.
    const QDate month = rt::dateFromDays(none ? rt::today() : d.toDate());
    const int days = month.daysInMonth();
    for (qint16 k = 1; k <= days; ++k) {
        QPlainTextEdit* box = txtMV[k];
        const qint32 day = rt::daysFromDate(QDate(month.year(), month.month(), k));
        LessonPlanRecord plan;
        if (GetLessonPlanForDate(day, plan)) {
            box->setPlainText(QString::number(k) + u' ' + FormatMonthCellItem(plan));
            PositionMonthDayBox(planner_.platform.msg, this, box, 0, rt::Value::date(day), cal);
            box->setVisible(true);
            box->setProperty(TagProperty, FormatDate(day, QStringLiteral("mm/dd/yy")));
            if (opMonthView->isChecked()) box->raise();
        } else {
            box->lower();
            try {
                rt::let(objectOf(rt::call(cal, rt::ssMonthId::Day, {rt::Value::integer(k)})),
                        rt::ssDayId::Text, QString());
                box->setPlainText(QString());
            } catch (const rt::RuntimeError&) {
                // A day the calendar does not show has no text of its own to clear.
            }
            cal.setEnabled(false);
        }
    }
    for (int k = days + 1; k <= 31; ++k) txtMV[k]->lower();

    cursor.setPointer(this, rt::Pointer::Default);
    rt::let(cal, rt::ssMonthId::MousePointer, rt::Value::integer(qint16(rt::Pointer::Default)));
    DisableCalendarWeekends(cal);
    cal.setEnabled(true);
}

void PlanX::cmdPrevDay_Click() {
    ChangeCurrentDate(AdjustForWeekend(CurrentLesson.LPDate - 1, true));
}

void PlanX::cmdNextDay_Click() {
    ChangeCurrentDate(AdjustForWeekend(CurrentLesson.LPDate + 1, false));
}

// A manual drag ends with the button's release, wherever it is dropped: the source holds no capture
// that a drop on the day buttons would have to give back.
void PlanX::cmdPrevDay_DragDrop() {}

void PlanX::cmdNextDay_DragDrop() {}

void PlanX::cCell_Click(qint16 index) {
    rt::let(*cCell[SelectedCellIndex], WeekViewCellId::BackColor, colour(formBackColor_));
    SelectedCellIndex = index;
    ChangeCurrentDate(rt::get(*cCell[index], WeekViewCellId::CellDate).toDate());
}

void PlanX::cCell_DblClick(qint16 index) {
    ChangeCurrentDate(rt::get(*cCell[index], WeekViewCellId::CellDate).toDate());
    ShowDayView();
}

void PlanX::cCell_GotFocus(qint16) {
    disableTextCommands(*this);
}

void PlanX::SSMonth1_SelChanged(qint16 index, const QString& selDate, const QString& oldSelDate) {
    if (!IgnoreCalendarChange) {
        rt::MonthCalendar* cal = SSMonth1[index];
        cal->setEnabled(false);
        // A calendar left disabled could not be used again.
        const auto enable = qScopeGuard([cal] { cal->setEnabled(true); });
        ChangeCurrentDate(AdjustForWeekend(rt::get(*cal, rt::ssMonthId::Date).toDate(), false));
    }
    if (!selDate.isEmpty() && !oldSelDate.isEmpty()) {
        const auto dayNumber = [](const QString& text) {
            return rt::dateFromDays(rt::Value(text).toDate()).day();
        };
        paintDayBox(txtMV[dayNumber(oldSelDate)], rt::olecolor::buttonFace, rt::olecolor::buttonText);
        paintDayBox(txtMV[dayNumber(selDate)], blue, white);
    }
    if (CalendarMonthInitialised) {
        UpdateMonthViewCells(selDate);
        CalendarMonthInitialised = false;
    }
}

void PlanX::SSMonth1_InitMonth() {
    CalendarMonthInitialised = true;
}

void PlanX::SSMonth1_MouseDown(qint16, qint16 button) {
    CalendarMouseButton = button;
}

// A right-button double click leaves the view as it is.
void PlanX::SSMonth1_DblClick() {
    if (!(CalendarMouseButton & 2)) ShowDayView();
}

void PlanX::SSMonth1_GotFocus() {
    disableTextCommands(*this);
}

void PlanX::txtMV_Click(qint16 index) {
    ChangeCurrentDate(dayBoxDate(index));
}

void PlanX::txtMV_DblClick(qint16 index) {
    ChangeCurrentDate(dayBoxDate(index));
    ShowDayView();
}

void PlanX::txtMV_GotFocus(qint16) {
    disableTextCommands(*this);
}

// The Tag "mm/dd/yy" names a day of the month shown, so its year lies in that month's century.
qint32 PlanX::dayBoxDate(qint16 index) const {
    static const QRegularExpression form(QStringLiteral("^(\\d{2})/(\\d{2})/(\\d{2})$"));
    const auto m = form.match(txtMV[index]->property(TagProperty).toString());
    const int shown = rt::dateFromDays(SSMonth1[1]->date()).year();
    const QDate day(shown - shown % 100 + m.captured(3).toInt(), m.captured(1).toInt(),
                    m.captured(2).toInt());
    if (!m.hasMatch() || !day.isValid()) throw rt::RuntimeError(13);
    return rt::daysFromDate(day);
}
