#pragma once

#include "runtime/dao/database.h"

#include <QString>

namespace rt {
struct Platform;
}

// The module state of the course database and of the class file linked into it, kept together so that
// one call returns all of it to the start; each value is reached by its own name below.
struct CourseDataState {
    // The planner's one open course database and the class file linked into it.
    rt::Database CourseDB;
    bool ClassTablesAttached = false;
    // The key of the loaded course (a section under "Installed Courses").
    QString LoadedCourse;
    // The full path of the open class file; empty when none is open.
    QString ClassFilePath;
    // The open class's row of table Class.
    QString ClassTeacher, ClassSubject, ClassPeriod, ClassComments;
};
extern CourseDataState courseDataState;
// Nothing loaded, nothing open: the handles are dropped as they are, so a class that is open is detached
// (DetachClassTables) and the database closed (CloseCourseDatabase) first.
void ResetCourseDataState();

extern rt::Database& CourseDB;
extern bool& ClassTablesAttached;
extern QString& LoadedCourse;
extern QString& ClassFilePath;
extern QString &ClassTeacher, &ClassSubject, &ClassPeriod, &ClassComments;

// The course's database file from the settings store; empty when the course is not installed.
QString GetCoursePath(rt::Platform& p, const QString& course);
// Reads the course's configuration again and opens its database shared; a failure shows its message
// and leaves CourseDB as it was.
void OpenCourseDatabase(rt::Platform& p, const QString& course);
void CloseCourseDatabase();
// Opens, checks (upgrading the one older version) and links the class file into the course database.
bool AttachClassTables(rt::Platform& p, const QString& path);
// CourseDB has a table definition of exactly this name.
bool TableExists(const QString& name);
void DetachClassTables();
bool CheckClassFileVersion(rt::Platform& p, rt::Database& classFile);
bool UpgradeClassFile(rt::Database& classFile);
// A new class file from the template beside the program, for the loaded course.
bool CreateClassFile(rt::Platform& p, const QString& path, const QString& teacher, const QString& subject,
                     const QString& period, const QString& comments);
