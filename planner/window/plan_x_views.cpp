// The four views of the window on one rectangle, filled from the current lesson, and the commands that
// switch between them.
#include "plan_x.h"

#include "planner/core/date_captions.h"
#include "planner/core/planner.h"
#include "planner/core/presentation.h"
#include "planner/core/week_start.h"
#include "planner/data/course_database.h"
#include "runtime/com/olecolor.h"
#include "runtime/outside/calendar/month_calendar.h"
#include "shared/course_settings.h"
#include "shared/null_text.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTabBar>

namespace {

void setBackColor(QWidget* w, quint32 colour) {
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, rt::olecolor::toQColor(colour, palette));
    w->setPalette(palette);
}

// The Edit menu and its items shown; what each item may do is left as it is.
void showEditMenu(PlanX& w) {
    w.mnuEdit->setEnabled(true);
    w.mnuEdit->setVisible(true);
    for (QAction* item : {w.mnuEditCutLesson, w.mnuEditCopyLesson, w.mnuEditPasteLesson, w.mnuEditCutText,
                          w.mnuEditCopyText, w.mnuEditPasteText, w.mnuEditSep1, w.mnuEditMakeLesson})
        item->setVisible(true);
}

// The picture of the view being shown, and its calendar when it has one, are the only ones enabled.
void enableOnly(PlanX& w, QWidget* picture, rt::MonthCalendar* calendar) {
    for (QWidget* pic : {w.picDayView, w.picWeekView, w.picMonthView}) pic->setEnabled(pic == picture);
    for (rt::MonthCalendar* cal : w.SSMonth1) cal->setEnabled(cal == calendar);
}

// The view procedure's busy flag and the hourglass, both given back on every way out: a flag left set
// would keep that view from ever showing again.
auto busyWhile(bool& flag, rt::Cursor& cursor, QWidget* window) {
    flag = true;
    cursor.setPointer(window, rt::Pointer::Hourglass);
    return qScopeGuard([&flag, &cursor, window] {
        cursor.setPointer(window, rt::Pointer::Default);
        flag = false;
    });
}

// With a view shown the views can be chosen and the date moved day by day.
void enableNavigation(PlanX& w) {
    for (QRadioButton* option : {w.opDayView, w.opWeekView, w.opMonthView}) option->setEnabled(true);
    w.mnuView->setEnabled(true);
    w.cmdPrevDay->setVisible(true);
    w.cmdNextDay->setVisible(true);
}

// While a view is built its options are off, so that no click chooses another one meanwhile.
void showWithOptionsOff(PlanX& w, void (PlanX::*show)()) {
    for (QRadioButton* option : {w.opDayView, w.opWeekView, w.opMonthView}) option->setEnabled(false);
    (w.*show)();
    for (QRadioButton* option : {w.opMonthView, w.opWeekView, w.opDayView}) option->setEnabled(true);
}

QString classLine() {
    return ClassTeacher + QStringLiteral(", ") + ClassPeriod + QStringLiteral(", ") + ClassSubject;
}

} // namespace

void PlanX::ShowNoView() {
    for (QWidget* pic : {picDayView, picMonthView, picWeekView}) pic->setEnabled(false);
    if (!CourseSettings.ColorText3.isEmpty()) setBackColor(picNoView, CourseSettings.ColorValue3);
    bringToFront(picNoView);
    // Exclusive options refuse to clear the one that is set, so each is cleared on its own.
    for (QRadioButton* option : {opDayView, opWeekView, opMonthView}) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
        option->setEnabled(false);
    }
    cmdNextDay->setVisible(false);
    cmdPrevDay->setVisible(false);
    mnuEdit->setEnabled(false);
}

void PlanX::ShowDayView() {
    if (dayViewBusy_) return;
    enableOnly(*this, picDayView, nullptr);
    enableLessonCommands();
    const auto done = busyWhile(dayViewBusy_, planner_.platform.cursor, this);
    setBackColor(picDayView, CourseSettings.ColorValue3);
    showEditMenu(*this);
    mnuEditCutText->setEnabled(false);
    mnuEditCopyText->setEnabled(false);
    enableNavigation(*this);
    opDayView->setChecked(true);
    bringToFront(picDayView);

    lblDate[1]->setText(FormatLongDate(CurrentLesson.LPDate));
    showObjectiveTabs();
    lblTeacher[0]->setText(classLine());
    lblUnit[0]->setText(CurrentLesson.TreeID == -666 ? textOrEmpty(CurrentLesson.Title)
                                                     : FormatDayViewItem(CurrentLesson));
    if (CurrentLesson.TreeID == -999) {
        LastResourceControl = dbgAdditional;
        ShowAdditional();
        ShowSummary();
        for (QPushButton* arrow : {cmdUp, cmdDown, cmdLeft, cmdRight}) arrow->setEnabled(false);
        for (QTabBar* tabs : {tabLesson, tabResource}) {
            tabs->setCurrentIndex(0);
            tabs->setEnabled(false);
        }
        enableLessonInput(false);
        lblUnit[0]->setText(QStringLiteral("No Lesson Plan"));
    } else {
        tabResource->setEnabled(true);
        tabLesson->setEnabled(true);
        enableLessonInput(true);
    }
    LoadLessonResources(CurrentLesson);
}

void PlanX::ShowWeekView() {
    for (qint16 k = 1; k <= 31; ++k) txtMV[k]->setVisible(false);
    if (weekViewBusy_) return;
    enableOnly(*this, picWeekView, SSMonth1[0]);
    enableLessonCommands();
    const auto done = busyWhile(weekViewBusy_, planner_.platform.cursor, this);
    setBackColor(picWeekView, CourseSettings.ColorValue3);
    setFormBackColor(CourseSettings.ColorValue3);
    showEditMenu(*this);
    enableNavigation(*this);
    opWeekView->setChecked(true);
    bringToFront(picWeekView);

    lblDate[0]->setText(FormatWeekRange(CurrentLesson.LPDate));
    lblTeacher[1]->setText(classLine());
    UpdateWeekViewCells(WeekStart(CurrentLesson.LPDate));
}

void PlanX::ShowMonthView() {
    if (monthViewBusy_) return;
    enableOnly(*this, picMonthView, SSMonth1[1]);
    enableLessonCommands();
    {
        const auto done = busyWhile(monthViewBusy_, planner_.platform.cursor, this);
        showEditMenu(*this);
        for (QAction* item : {mnuEditCopyText, mnuEditCutText, mnuEditPasteText}) item->setEnabled(false);
        enableNavigation(*this);
        bringToFront(picMonthView);
        UpdateMonthViewCells(rt::Value::date(CurrentLesson.LPDate));
    }
    // Set after the flag is cleared: coming from another view, the option's click lays the month out
    // once more, and only that layout, with the option set, brings the day boxes to the front.
    opMonthView->setChecked(true);
}

void PlanX::RefreshView() {
    if (opDayView->isChecked())
        ShowDayView();
    else if (opWeekView->isChecked())
        ShowWeekView();
    else if (opMonthView->isChecked())
        ShowMonthView();
}

void PlanX::setFormBackColor(quint32 colour) {
    formBackColor_ = colour;
    setBackColor(this, colour);
}

void PlanX::enableLessonCommands() {
    const bool hasLesson = CurrentLesson.TreeID != -999;
    mnuEditCutLesson->setEnabled(hasLesson);
    mnuEditCopyLesson->setEnabled(hasLesson);
}

void PlanX::mnuViewDay_Click() {
    ShowDayView();
}

void PlanX::mnuViewWeek_Click() {
    ShowWeekView();
}

void PlanX::mnuViewMonth_Click() {
    ShowMonthView();
}

void PlanX::opDayView_Click() {
    showWithOptionsOff(*this, &PlanX::ShowDayView);
}

void PlanX::opWeekView_Click() {
    showWithOptionsOff(*this, &PlanX::ShowWeekView);
}

void PlanX::opMonthView_Click() {
    showWithOptionsOff(*this, &PlanX::ShowMonthView);
}

void PlanX::bringToFront(QWidget* picture) {
    picture->raise();
}
