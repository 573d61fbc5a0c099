#pragma once

#include "large_course.h"
#include "planner/core/class_files.h"
#include "planner/core/planner.h"
#include "planner/core/testing/scripted_dialogs.h"
#include "planner/data/course_database.h"
#include "planner/window/plan_x.h"
#include "runtime/clock.h"
#include "runtime/com/component_registry.h"
#include "runtime/command_line.h"
#include "runtime/program_folder.h"
#include "runtime/settings.h"
#include "runtime/testing/platform_doubles.h"
#include "runtime/testing/registered_libraries.h"
#include "runtime/value/date.h"
#include "shared/course_settings.h"

#include <QTemporaryDir>
#include <memory>

// The planner's main window on a copy of the large course, as start-up leaves it: the course installed
// and the command line's, the platform's doubles (the message loop's yields are counted, not run, so a
// figure is the program's own work), the week-cell and tab libraries registered, today the class's first
// school day. No class is open until open().
class LargeCourseWindow : public rt::PlatformDoubles {
public:
    static inline const QDate firstDay{2027, 8, 30};

    LargeCourseWindow() {
        rt::setProgramFolder(QStringLiteral(LK_PROGRAM_DIR));
        rt::setToday(rt::daysFromDate(firstDay));
        CourseSettings = {};
        course.install(settings);
        rt::setCommandLine(QString::fromLatin1(LargeCourse::Key));
        SetCourseFromCommandLine(planner);
        rt::registerLibraries(componentsFile, {CVCELL_OCX, CVTAB_OCX});
        window = std::make_unique<PlanX>(planner, registry);
        planner.window = window.get();
    }
    ~LargeCourseWindow() {
        CloseClass(planner);
        window.reset();
        CloseCourseDatabase();
        ResetCourseDataState();
        rt::setToday(std::nullopt);
        rt::setProgramFolder({});
    }

    // Opens the class file as File > Open does.
    void open(const QString& classFile) { OpenClassFile(planner, classFile); }

    LargeCourse course;
    QTemporaryDir dir;
    QString componentsFile = dir.filePath(QStringLiteral("components.ini"));
    rt::IniSettings components{componentsFile};
    rt::ComponentRegistry registry{components};
    ScriptedDialogs dialogs;
    Planner planner{platform, dialogs, nullptr, [] {}};
    std::unique_ptr<PlanX> window;
};
