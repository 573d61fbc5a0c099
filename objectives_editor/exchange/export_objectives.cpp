#include "exchange_format.h"
#include "local_objectives.h"

#include "runtime/error.h"
#include "runtime/event_loop.h"
#include "runtime/message_box.h"
#include "runtime/strings.h"
#include "shared/null_text.h"

#include <QSaveFile>

namespace {

// Writes the whole export; the reason when it fails.
QString writeExport(const ExchangeCourse& course, QSaveFile& file, rt::EventLoop& loop) {
    const auto put = [&](const QByteArray& bytes) { return file.write(bytes) == bytes.size(); };
    try {
        rt::Database db = course.database;
        rt::Recordset rs = db.queryDef(QStringLiteral("qChildless")).open(rt::RecordsetType::Snapshot);
        if (!file.open(QIODevice::WriteOnly) ||
            !put(exchangeHeader(course.UCI, course.DBVersion, rs.recordCount())))
            return file.errorString();
        for (; !rs.eof() && !rs.bof(); rs.moveNext()) {
            if (!put(exchangeRow({rs.field("TreeID").toInt32(), textOrEmpty(rs.field("Objective5"))})))
                return file.errorString();
            loop.yield();
        }
    } catch (const rt::RuntimeError& e) {
        return e.description;
    }
    return file.commit() ? QString() : file.errorString();
}

} // namespace

void ExportLocalObjectives(const ExchangeCourse& course, QSaveFile& file, rt::MessageBox& msg,
                           rt::EventLoop& loop) {
    const QString failure = writeExport(course, file, loop);
    if (failure.isEmpty()) return;
    if (file.isOpen()) {
        // Discards the temporary file; the target was never touched.
        file.cancelWriting();
        file.commit();
    }
    msg.show({QStringLiteral("The local objectives file %1 could not be written.\r\n\r\n%2")
                  .arg(file.fileName(), failure),
              rt::StringTable::get(1002), rt::MbButtons::Ok, rt::MbIcon::Critical});
}

void ExportLocalObjectives(const ExchangeCourse& course, const QString& fileName, rt::MessageBox& msg,
                           rt::EventLoop& loop) {
    QSaveFile file(fileName);
    ExportLocalObjectives(course, file, msg, loop);
}
