#include "start_up.h"

#include "course_database.h"
#include "editor_state.h"
#include "menu_window.h"
#include "runtime/command_line.h"
#include "runtime/strings.h"
#include "runtime/ui/single_instance.h"
#include "shared/course_settings.h"
#include "shared/installed_course.h"
#include "untrapped_error.h"

#include <QApplication>
#include <QWidget>

void Main(Editor& editor, rt::SingleInstance& instance) {
    if (instance.anotherIsRunning()) {
        editor.endProgram();
        return;
    }
    QObject::connect(&instance, &rt::SingleInstance::activateRequested, &instance, &ActivateEditorWindow);
    LocalObjectiveDirty = false;
    EditingTreeID.clear();
    if (!CheckCommandLineCourse(editor)) return;
    const bool started = RunHandler(editor, [&] {
        ReadCourseConfig(editor.msg,
                         GetCourseValue(editor.settings, rt::commandLine(), QStringLiteral("Config")));
        OpenCourseDatabase(editor);
        CourseDBVersion = GetDBVersion();
    });
    if (!started) {
        CloseDatabase();
        editor.endProgram();
        return;
    }
    frmMenu::showMenu(editor);
}

void ActivateEditorWindow() {
    QWidget* window = QApplication::activeModalWidget();
    if (!window) {
        const QString caption = rt::StringTable::get(1002);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->windowTitle().startsWith(caption)) window = w;
    }
    if (!window) return;
    window->showNormal();
    window->raise();
    window->activateWindow();
}
