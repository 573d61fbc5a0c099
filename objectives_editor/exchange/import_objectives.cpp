#include "exchange_format.h"
#include "local_objectives.h"

#include "runtime/cursor.h"
#include "runtime/dao/engine.h"
#include "runtime/error.h"
#include "runtime/event_loop.h"
#include "runtime/message_box.h"
#include "runtime/strings.h"
#include "shared/course_settings.h"

#include <QFile>
#include <QScopeGuard>

namespace {

QString S(int number) {
    return rt::StringTable::get(number);
}

// The file's bytes; nothing when it cannot be read, which the checks then refuse.
QByteArray readWhole(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString refusal(const ExchangeContents& contents) {
    const QString corrupt = QStringLiteral("\r\n") + S(1050);
    const QString cancel = QStringLiteral("\r\n\r\n") + S(1026);
    switch (contents.failure) {
    case 1049: return S(1049) + corrupt + cancel;
    case 1051: return contents.badTreeID + S(1051) + corrupt + cancel;
    default: return S(contents.failure) + cancel;
    }
}

// Stores every row's objective, or none of them: a failure half-way (the planner holding the write lock,
// say) rolls back the rows before it. Lessons that are not in the course are skipped. The reason when it
// fails.
QString storeRows(const ExchangeCourse& course, const QList<ExchangeRow>& rows) {
    rt::Workspace& ws = rt::DBEngine::instance().workspace();
    try {
        rt::Database db = course.database;
        rt::QueryDef exists = db.queryDef(QStringLiteral("qTestRecordExistence"));
        rt::QueryDef update = db.queryDef(QStringLiteral("qUpdateObjective5"));
        ws.beginTrans();
        try {
            for (const ExchangeRow& row : rows) {
                exists.setParameter(0, rt::Value::longInt(row.TreeID));
                if (exists.open(rt::RecordsetType::Snapshot).eof()) continue;
                update.setParameter(0, rt::Value::longInt(row.TreeID));
                rt::Recordset rs = update.open();
                if (rs.eof() || rs.bof()) continue;
                rs.edit();
                rs.setField("Objective5", row.Objective);
                rs.update();
            }
        } catch (...) {
            ws.rollback();
            throw;
        }
        ws.commitTrans();
    } catch (const rt::RuntimeError& e) {
        return e.description;
    }
    return {};
}

} // namespace

void ImportLocalObjectives(const ExchangeCourse& course, const QString& fileName, rt::MessageBox& msg,
                           rt::Cursor& cursor, rt::EventLoop& loop) {
    cursor.setScreenPointer(rt::Pointer::Hourglass);
    const auto pointerBack = qScopeGuard([&] { cursor.setScreenPointer(rt::Pointer::Default); });
    const auto say = [&](const QString& text, rt::MbIcon icon) {
        cursor.setScreenPointer(rt::Pointer::Default);
        msg.show({text, S(1002), rt::MbButtons::Ok, icon});
    };

    // A missing file that the user agrees to create is not created: it reads as no valid file.
    QString path = fileName;
    qint16 mode = 2;
    if (FileExistsPrompt(msg, path, mode) == 0) return;
    const ExchangeContents contents = readExchangeFile(readWhole(fileName), course.UCI, course.DBVersion);
    if (contents.failure != 0) return say(refusal(contents), rt::MbIcon::Critical);
    if (const QString failure = storeRows(course, contents.rows); !failure.isEmpty())
        return say(QStringLiteral("The local objectives could not be imported; none was changed.\r\n\r\n") +
                       failure,
                   rt::MbIcon::Critical);
    loop.yield();
    say(S(1034), rt::MbIcon::Information);
}
