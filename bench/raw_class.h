#pragma once

#include <QByteArray>
#include <QString>

struct sqlite3;
class LargeCourse;

// Opening a class in raw SQLite, the baseline of the benchmarks that open one: the class file opened
// exclusively and its two rows read, the course database opened, the four link rows written in one
// transaction, the class file attached to it. rawDetach takes the links away and closes it.
sqlite3* rawAttach(const LargeCourse& course);
void rawDetach(sqlite3* db);

// The rows of `sql` stepped through, their first text column read; `parameter`, when not 0, bound to ?1.
void readRows(sqlite3* db, const char* sql, int parameter = 0);

// The plan of `date` ("yyyy-mm-dd") as the day view reads it: the plan's row, then, when there is one,
// the lesson panel's rows (the plan's resources, its lesson's others, the total). The plan's ID, or 0.
int rawReadDay(sqlite3* db, const QByteArray& date);
