#include "start_up.h"

#include "class_files.h"
#include "runtime/error.h"
#include "school_days.h"

bool Main(Planner& planner, const StartUp& startUp) {
    try {
        if (startUp.anotherCopyRunning()) return false;
        BoldNodeFont = {QStringLiteral("MS Sans Serif"), 8, true};
        ResetLessonRecord(CurrentLesson);
        SetCourseFromCommandLine(planner);
        planner.window = startUp.createMainWindow();
        planner.window->ShowNoView();
        qint16 choice = 0;
        {
            const std::unique_ptr<OpenAppDialog> dialog = planner.dialogs.createOpenApp();
            dialog->showModal();
            choice = dialog->Result();
        }
        switch (choice) {
        case 1: OpenClassDialog(planner); break;
        case 2:
            if (NewClassUI(planner)) planner.window->FocusScheduleLessons();
            break;
        default: planner.window->ShowNoView(); break;
        }
        planner.window->LoadMRUs();
        return true;
    } catch (const rt::RuntimeError&) {
        return false;
    }
}
