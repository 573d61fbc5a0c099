#pragma once

#include "dialogs.h"
#include "main_window.h"
#include "planner/data/course_database.h"
#include "planner/data/node_font.h"
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

// The plan kept by Copy or Cut Lesson Plan, with its resources.
struct LessonClipboardRecord {
    LessonPlanRecord Lesson;
    QList<ResourceRecord> Resources;
};

// The module state of the current lesson and the lesson clipboard, kept together so that one call returns
// it to the start; each value is reached by its own name below.
struct LessonState {
    // The plan of the main window's current date.
    LessonPlanRecord CurrentLesson;
    LessonClipboardRecord LessonClipboard;
};
extern LessonState lessonState;
void ResetLessonState();

extern LessonPlanRecord& CurrentLesson;
extern LessonClipboardRecord& LessonClipboard;
