#include "course_database.h"

CourseDataState courseDataState;

rt::Database& CourseDB = courseDataState.CourseDB;
bool& ClassTablesAttached = courseDataState.ClassTablesAttached;
QString& LoadedCourse = courseDataState.LoadedCourse;
QString& ClassFilePath = courseDataState.ClassFilePath;
QString& ClassTeacher = courseDataState.ClassTeacher;
QString& ClassSubject = courseDataState.ClassSubject;
QString& ClassPeriod = courseDataState.ClassPeriod;
QString& ClassComments = courseDataState.ClassComments;

void ResetCourseDataState() {
    courseDataState = {};
}
