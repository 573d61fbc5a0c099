#pragma once

#include "planner/core/dialogs.h"

class QWidget;

namespace rt {
struct Platform;
}

// The planner's dialogs as its windows: each one created for one showing, with the platform's
// message boxes and common dialogs, and owned by the window it is shown over.
class QtPlannerDialogs : public PlannerDialogs {
public:
    explicit QtPlannerDialogs(rt::Platform& platform) : platform_(platform) {}

    // The main window, which owns every dialog that no other dialog shows: an owned dialog is centred
    // over its owner, stays above it and has no taskbar entry of its own.
    void setOwner(QWidget* mainWindow) { mainWindow_ = mainWindow; }

    std::unique_ptr<OpenAppDialog> createOpenApp() override;
    std::unique_ptr<NewClassDialog> createNewClass() override;
    std::unique_ptr<SpecialDialog> createSpecial() override;
    std::unique_ptr<DeleteLessonDialog> createDeleteLesson() override;
    std::unique_ptr<MoveDayDialog> createMoveDay() override;
    std::unique_ptr<LanguageDialog> createLanguage() override;
    std::unique_ptr<PrintOptionsDialog> createPrintOptions() override;
    std::unique_ptr<ScheduleDialog> createSchedule() override;

private:
    // The help document on making lesson plans and special days, beside the program.
    void openHelp();
    // The modal dialog that asks, when one does, else the main window.
    QWidget* owner() const;

    rt::Platform& platform_;
    QWidget* mainWindow_ = nullptr;
};
