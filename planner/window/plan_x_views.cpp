// The four views of the window on one rectangle and the commands that switch between them.
#include "plan_x.h"

#include "planner/core/planner.h"
#include "planner/core/school_days.h"
#include "planner/data/lesson_plans.h"
#include "runtime/com/olecolor.h"
#include "shared/course_settings.h"

#include <QPushButton>
#include <QRadioButton>

void PlanX::ShowNoView() {
    for (QWidget* pic : {picDayView, picMonthView, picWeekView}) pic->setEnabled(false);
    if (!CourseSettings.ColorText3.isEmpty()) {
        QPalette palette = picNoView->palette();
        palette.setColor(QPalette::Window, rt::olecolor::toQColor(CourseSettings.ColorValue3, palette));
        picNoView->setPalette(palette);
    }
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
    bringToFront(picDayView);
}

void PlanX::ShowWeekView() {
    bringToFront(picWeekView);
}

void PlanX::ShowMonthView() {
    bringToFront(picMonthView);
}

void PlanX::ChangeCurrentDate(qint32 date) {
    if (!GetLessonPlanForDate(date, CurrentLesson)) {
        ResetLessonRecord(CurrentLesson);
        CurrentLesson.LPDate = date;
    }
}

void PlanX::RefreshView() {
    if (opDayView->isChecked())
        ShowDayView();
    else if (opWeekView->isChecked())
        ShowWeekView();
    else if (opMonthView->isChecked())
        ShowMonthView();
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
    ShowDayView();
}

void PlanX::opWeekView_Click() {
    ShowWeekView();
}

void PlanX::opMonthView_Click() {
    ShowMonthView();
}

void PlanX::bringToFront(QWidget* picture) {
    picture->raise();
}
