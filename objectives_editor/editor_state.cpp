#include "editor_state.h"

rt::Database EditorCourseDB;
QString CourseDatabasePath;
QString CourseDBVersion;
bool LocalObjectiveDirty = false;
QString EditingTreeID;
