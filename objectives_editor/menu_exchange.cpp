#include "editor_state.h"
#include "editor_window.h"
#include "menu_window.h"
#include "objectives_editor/exchange/local_objectives.h"
#include "runtime/common_dialog.h"
#include "runtime/event_loop.h"
#include "runtime/program_folder.h"
#include "runtime/strings.h"
#include "shared/course_settings.h"
#include "untrapped_error.h"

#include <QPushButton>
#include <QScopeGuard>

namespace {

// The file dialog of both directions: in the program's folder, the exchange files first.
rt::FileDialogRequest exchangeFileDialog(int title, const QString& fileName, const QString& filter) {
    using namespace rt::cdl;
    rt::FileDialogRequest r;
    r.title = rt::StringTable::get(title);
    r.initDir = rt::programFolder();
    r.fileName = fileName;
    r.defaultExt = QStringLiteral(".lko");
    r.filter = filter;
    r.filterIndex = 1;
    r.flags = LongNames | PathMustExist | ExtensionDifferent | HideReadOnly | OverwritePrompt | ReadOnly;
    return r;
}

ExchangeCourse openCourse() {
    return {EditorCourseDB, CourseSettings.UCI, CourseDBVersion};
}

} // namespace

void frmMenu::cmdExport_Click() {
    cmdExport->setEnabled(false);
    const auto enable = qScopeGuard([this] { cmdExport->setEnabled(true); });
    RunHandler(editor_, [&] {
        const rt::FileDialogResult chosen = editor_.dialogs.showSave(
            exchangeFileDialog(1023, QStringLiteral("MyLocalObjectives.lko"),
                               QStringLiteral("Larkspan Objective file (*.lko)|*.lko")));
        if (chosen.cancelled) return;
        ExportLocalObjectives(openCourse(), chosen.path, editor_.msg, editor_.loop);
    });
}

void frmMenu::cmdImport_Click() {
    cmdImport->setEnabled(false);
    const auto enable = qScopeGuard([this] { cmdImport->setEnabled(true); });
    RunHandler(editor_, [&] {
        const rt::FileDialogResult chosen = editor_.dialogs.showOpen(exchangeFileDialog(
            1022, QString(), QStringLiteral("Larkspan Objectives file (*.lko)|*.lko|All files (*.*)|*.*")));
        if (chosen.cancelled) return;
        cmdImport->repaint();
        editor_.loop.yield();
        // Unloaded, the editor window reads the imported objectives when it is next opened.
        delete editorWindow_;
        ImportLocalObjectives(openCourse(), chosen.path, editor_.msg, editor_.cursor, editor_.loop);
    });
}

void frmMenu::mnuExport_Click() {
    cmdExport_Click();
}

void frmMenu::mnuImport_Click() {
    cmdImport_Click();
}
