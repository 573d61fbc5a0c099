#include "qt_planner_dialogs.h"

#include "planner/core/resource_documents.h"
#include "runtime/program_folder.h"

#include "delete_lesson.h"
#include "language.h"
#include "move_day.h"
#include "new_class.h"
#include "open_app.h"
#include "print_options.h"
#include "runtime/platform.h"
#include "schedule.h"
#include "special.h"

#include <QApplication>

void QtPlannerDialogs::openHelp() {
    Planner planner{platform_, *this, nullptr, {}};
    OpenDocument(planner, rt::programFolder() + QStringLiteral("/makelp.pdf"));
}

QWidget* QtPlannerDialogs::owner() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return mainWindow_;
}

std::unique_ptr<OpenAppDialog> QtPlannerDialogs::createOpenApp() {
    return std::make_unique<OpenApp>(owner());
}

std::unique_ptr<NewClassDialog> QtPlannerDialogs::createNewClass() {
    return std::make_unique<NewClass>(platform_.msg, platform_.dialogs, owner());
}

std::unique_ptr<SpecialDialog> QtPlannerDialogs::createSpecial() {
    auto special = std::make_unique<Special>(platform_.msg, *this, owner());
    special->onHelp = [this] { openHelp(); };
    return special;
}

std::unique_ptr<DeleteLessonDialog> QtPlannerDialogs::createDeleteLesson() {
    return std::make_unique<DeleteLesson>(owner());
}

std::unique_ptr<MoveDayDialog> QtPlannerDialogs::createMoveDay() {
    return std::make_unique<MoveDay>(owner());
}

std::unique_ptr<LanguageDialog> QtPlannerDialogs::createLanguage() {
    return std::make_unique<Language>(owner());
}

std::unique_ptr<PrintOptionsDialog> QtPlannerDialogs::createPrintOptions() {
    return std::make_unique<PrintOptions>(platform_.msg, platform_.dialogs, owner());
}

std::unique_ptr<ScheduleDialog> QtPlannerDialogs::createSchedule() {
    auto schedule = std::make_unique<Schedule>(platform_.msg, platform_.loop, owner());
    schedule->onHelp = [this] { openHelp(); };
    return schedule;
}
