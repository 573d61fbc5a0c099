#pragma once

#include "runtime/cursor.h"

#include <QtGlobal>

// The main window's public procedures, through which start-up, class-file handling, the school-day
// rules and the dialogs reach it.
class MainWindow {
public:
    virtual ~MainWindow() = default;

    virtual void ShowNoView() = 0;
    virtual void ShowDayView() = 0;
    virtual void ShowWeekView() = 0;
    virtual void ShowMonthView() = 0;
    virtual void ChangeCurrentDate(qint32 date) = 0;
    virtual void RefreshView() = 0;
    virtual void UIOpenClass() = 0;
    virtual void UICloseClass() = 0;
    virtual void InitTabs() = 0;
    virtual void DisableForm() = 0;
    virtual void EnableForm() = 0;
    virtual void LoadMRUs() = 0;

    // The focus moves that start-up makes: to the Make Lesson Plans button, to the lesson grid.
    virtual void FocusScheduleLessons() = 0;
    virtual void FocusLessonGrid() = 0;

    // The window's own Enabled and MousePointer, which printing sets around each job.
    virtual void SetEnabled(bool enabled) = 0;
    virtual void SetMousePointer(rt::Pointer pointer) = 0;
};
