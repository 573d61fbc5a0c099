#pragma once

#include <QString>
#include <QtGlobal>

// The scratch database "reports.mdb" that the week and month reports print from, refilled just before
// each from the main window's current date (the LPDate of CurrentLesson) and the open class.

// Its path, in the user's own data folder, since the program's folder may be read-only. A missing one
// is copied from the empty database beside the program.
QString ReportDatabasePath();

// The class row with the week caption, and the six cells of the week view: Monday to Friday, then the
// weekend. One transaction; every failure goes to the caller and leaves the database as it was.
void FillWeekReportData();

// The class row with the month and year, and the 42 cells of the month from the Sunday on or before its
// 1st. One transaction. A failure to open the database or to empty it goes to the caller; a failing row
// is skipped.
void FillMonthReportData();

// The number of days of d's month (28 to 31).
qint16 MonthDayCount(qint32 d);
