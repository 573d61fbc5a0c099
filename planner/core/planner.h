#pragma once

#include "dialogs.h"
#include "main_window.h"
#include "planner/data/records.h"
#include "runtime/platform.h"

#include <QList>
#include <functional>

// What the planner's procedures reach: the platform, the dialogs, the one main window (from start-up
// on) and the way the program ends.
struct Planner {
    rt::Platform& platform;
    PlannerDialogs& dialogs;
    MainWindow* window = nullptr;
    // Ends the program at once.
    std::function<void()> endProgram;
};

// The plan of the main window's current date.
extern LessonPlanRecord CurrentLesson;

// The plan kept by Copy or Cut Lesson Plan, with its resources.
struct LessonClipboardRecord {
    LessonPlanRecord Lesson;
    QList<ResourceRecord> Resources;
};
extern LessonClipboardRecord LessonClipboard;

// The full path of the open class file; empty when none is open.
extern QString ClassFilePath;

// The font of library-tree nodes that have children.
struct NodeFont {
    QString name;
    double size = 0;
    bool bold = false;
};
extern NodeFont BoldNodeFont;
