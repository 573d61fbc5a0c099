// The objectives editor TRD: its one argument is the key of an installed course.
#include "editor_state.h"
#include "runtime/com/component_registry.h"
#include "runtime/event_loop.h"
#include "runtime/settings.h"
#include "runtime/shell/shell.h"
#include "runtime/ui/qt_common_dialog.h"
#include "runtime/ui/qt_cursor.h"
#include "runtime/ui/qt_message_box.h"
#include "runtime/ui/qt_printers.h"
#include "runtime/ui/single_instance.h"
#include "runtime/ui/window_report.h"
#include "start_up.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TRD"));
    if (qEnvironmentVariableIsSet(rt::WindowReport::variable)) new rt::WindowReport(&app);
    rt::QtMessageBox msg;
    rt::IniSettings settings;
    rt::QtCommonDialog dialogs;
    rt::LinuxShell shell;
    rt::QtEventLoop loop;
    rt::QtCursor cursor;
    rt::ComponentRegistry components(settings);
    rt::QtPrinters printers;
    bool ended = false;
    Editor editor{msg, settings, dialogs, shell, loop, cursor, components, printers, [&] {
                      ended = true;
                      QApplication::exit(0);
                  }};
    rt::SingleInstance instance(QStringLiteral("TRD"));
    Main(editor, instance);
    return ended ? 0 : QApplication::exec();
}
