#pragma once

#include "runtime/dao/database.h"

#include <QString>
#include <functional>

namespace rt {
class MessageBox;
class SettingsStore;
class CommonDialog;
class Shell;
class EventLoop;
class Cursor;
class ComponentRegistry;
class Printers;
} // namespace rt

// What the editor's procedures reach: the platform services, built once by the program's main() (tests
// build doubles), and the way the program ends.
struct Editor {
    rt::MessageBox& msg;
    rt::SettingsStore& settings;
    rt::CommonDialog& dialogs;
    rt::Shell& shell;
    rt::EventLoop& loop;
    rt::Cursor& cursor;
    rt::ComponentRegistry& components;
    rt::Printers& printers;
    // Ends the program: its windows close and the message loop stops.
    std::function<void()> endProgram;
};

// The editor's module state, one copy for the whole run. The course key is the whole command line
// (rt::commandLine()); the course's configuration is in CourseSettings (shared/course_settings.h).

// The open course database, from start-up until ExitApp.
extern rt::Database EditorCourseDB;
// The course database file, the installed course's "Path".
extern QString CourseDatabasePath;
// The course database's own version (the saved query DBInformation), read once at start-up.
extern QString CourseDBVersion;
// The local objective shown in the editor window was changed and is not saved yet.
extern bool LocalObjectiveDirty;
// The TreeID (as text) of the lesson whose local objective is shown; empty when none is.
extern QString EditingTreeID;
