#pragma once

#include "objectives_editor/exchange/exchange_format.h"
#include "objectives_editor/exchange/local_objectives.h"
#include "runtime/dao/tests/fixture.h"
#include "runtime/testing/counting_event_loop.h"
#include "runtime/testing/recording_cursor.h"
#include "runtime/testing/recording_message_box.h"

#include <QByteArray>
#include <QString>
#include <ostream>

namespace rt {
// Failures name the box's text, not its bytes.
inline void PrintTo(const MbRequest& r, std::ostream* os) {
    *os << '"' << r.text.toStdString() << "\" (" << r.title.value_or(QStringLiteral("<app>")).toStdString()
        << ", icon " << int(r.icon) << ')';
}
} // namespace rt

inline void PrintTo(const ExchangeRow& r, std::ostream* os) {
    *os << r.TreeID << ": \"" << r.Objective.toStdString() << '"';
}

namespace exchangetest {

// An exchange file written compactly: "|" is the field end 0xFF, "~" the empty mark 0xFE; other
// characters are single bytes as written ("\xE9" is "é" in Windows-1252).
QByteArray lko(QByteArray text);

QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);

// A copy of a built course database open in the default workspace, and the services the exchange uses.
class ExchangeTest : public daotest::DaoTest {
protected:
    // A copy of the course file (a path below the built course folder) as the course `uci`; the version
    // is the database's own.
    ExchangeCourse openCopy(const QString& courseFile, const QString& uci);
    // A course made of the schema, the "0101" queries and `data` (SQL), opened.
    ExchangeCourse openMade(const QString& uci, const QString& data);

    // Every row of LessonTree, hashed, to show that nothing changed.
    QByteArray checksum(const ExchangeCourse& course);
    // TreeID -> Objective5 of every lesson, "<null>" for Null.
    QMap<qint32, QString> objectives(const ExchangeCourse& course);

    void exportTo(const ExchangeCourse& course, const QString& file) {
        ExportLocalObjectives(course, file, msg, loop);
    }
    void importFrom(const ExchangeCourse& course, const QString& file) {
        ImportLocalObjectives(course, file, msg, cursor, loop);
    }

    rt::RecordingMessageBox msg;
    rt::RecordingCursor cursor;
    rt::CountingEventLoop loop;
};

} // namespace exchangetest
