#pragma once

#include "runtime/dao/database.h"

#include <QString>

class QSaveFile;

namespace rt {
class Cursor;
class EventLoop;
class MessageBox;
} // namespace rt

// The open course that local objectives are exchanged with.
struct ExchangeCourse {
    rt::Database database; // the editor's course database
    QString UCI;           // the course identifier of the course's configuration
    QString DBVersion;     // the database's own version, as read at start-up
};

// Writes the local objective of every lesson without children into the file, letting pending messages
// run after each row. The file is replaced only when complete: a failure is shown, and the earlier file
// stays as it was. Success shows nothing.
void ExportLocalObjectives(const ExchangeCourse& course, const QString& fileName, rt::MessageBox& msg,
                           rt::EventLoop& loop);
// The same into a save file that is not yet open.
void ExportLocalObjectives(const ExchangeCourse& course, QSaveFile& file, rt::MessageBox& msg,
                           rt::EventLoop& loop);

// Checks the whole file against the course, then stores every row's local objective in one transaction,
// or none, and shows the outcome. The file is only read. The screen pointer is the hourglass meanwhile
// and the default again on every way out.
void ImportLocalObjectives(const ExchangeCourse& course, const QString& fileName, rt::MessageBox& msg,
                           rt::Cursor& cursor, rt::EventLoop& loop);
