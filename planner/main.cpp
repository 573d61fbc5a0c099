// Larkspan KEY: the planner on the installed course KEY.
#include "planner/core/start_up.h"
#include "planner/dialogs/qt_planner_dialogs.h"
#include "planner/window/plan_x.h"
#include "runtime/com/component_registry.h"
#include "runtime/error.h"
#include "runtime/event_loop.h"
#include "runtime/pdf/qt_pdf_reader.h"
#include "runtime/ui/qt_clipboard.h"
#include "runtime/ui/qt_common_dialog.h"
#include "runtime/ui/qt_cursor.h"
#include "runtime/ui/qt_message_box.h"
#include "runtime/ui/qt_printers.h"
#include "runtime/ui/single_instance.h"
#include "runtime/ui/window_report.h"
#include "shared/course_settings.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(rt::WindowReport::variable)) new rt::WindowReport(&app);

    rt::QtMessageBox msg;
    rt::IniSettings settings;
    rt::QtCommonDialog dialogs;
    rt::QtClipboard clipboard;
    rt::LinuxShell shell;
    rt::QtPdfReader pdf;
    rt::QtPrinters printers;
    rt::QtEventLoop loop;
    rt::QtCursor cursor;
    rt::Platform platform{msg, settings, dialogs, clipboard, shell, pdf, printers, loop, cursor};
    QtPlannerDialogs plannerDialogs(platform);
    // The window's controls come from the libraries registered in the settings file.
    rt::ComponentRegistry components(settings);
    // The databases are closed and every setting is written by then: nothing else runs.
    Planner planner{platform, plannerDialogs, nullptr, [] {
                        std::fflush(nullptr);
                        std::_Exit(EXIT_SUCCESS);
                    }};

    rt::SingleInstance instance(QStringLiteral("Larkspan"));
    std::unique_ptr<PlanX> window;
    QObject::connect(&instance, &rt::SingleInstance::activateRequested, &app, [&window] {
        if (!window) return;
        window->showNormal();
        window->raise();
        window->activateWindow();
    });
    const StartUp startUp{
        [&instance] { return instance.anotherIsRunning(); },
        [&window, &planner, &components, &msg, &plannerDialogs, &pdf] {
            try {
                window = std::make_unique<PlanX>(planner, components);
            } catch (const rt::RuntimeError& e) {
                // A control library that is not registered: no window shows, so
                // the error is told before the program ends.
                msg.show({QStringLiteral("Run-time error '%1':\r\n\r\n%2").arg(e.number).arg(e.description),
                          CourseSettings.AppTitle, rt::MbButtons::Ok, rt::MbIcon::Critical});
                throw;
            }
            plannerDialogs.setOwner(window.get());
            pdf.setOwner(window.get());
            window->show();
            return window.get();
        }};
    if (!Main(planner, startUp)) return EXIT_SUCCESS;
    return app.exec();
}
