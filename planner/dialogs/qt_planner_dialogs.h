#pragma once

#include "planner/core/dialogs.h"

namespace rt {
struct Platform;
}

// The planner's dialogs as its windows: each one created for one showing, with the platform's
// message boxes and common dialogs.
class QtPlannerDialogs : public PlannerDialogs {
public:
    explicit QtPlannerDialogs(rt::Platform& platform) : platform_(platform) {}

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

    rt::Platform& platform_;
};
