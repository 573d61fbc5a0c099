#pragma once

#include <QString>

struct Editor;

// The editor's own handling of the course database named by the command line's course.

// True when the command line's course is installed (it has a "Path"); otherwise shows "Command line
// course … is not installed." and ends the program. The command line is taken whole, blanks included.
bool CheckCommandLineCourse(Editor& editor);
// The "Path" of the command line's course; empty when it is missing or the store cannot be read.
QString GetCoursePath(Editor& editor);
// CourseDatabasePath := GetCoursePath.
void GetDatabasePath(Editor& editor);
// Opens CourseDatabasePath shared and for writing into EditorCourseDB; the engine's errors pass.
void OpenCourseDatabase(Editor& editor);
void CloseDatabase();
// The DBVersion of the first row of the saved query DBInformation, untrimmed; the engine's errors pass
// (3265 when the database has no DBInformation).
QString GetDBVersion();
