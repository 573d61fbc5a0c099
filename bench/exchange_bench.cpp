// The local-objectives exchange file against raw SQLite, side by side, over a course of 2,000 lessons
// with 200-character objectives: the export (the same SELECT, and the file written) and the import (the
// same UPDATEs in one transaction, from the file read and split). Prints the ratio layer / raw of each
// pair; the goal is 50 ms or less for each direction through the layer.
#include "objectives_editor/exchange/local_objectives.h"
#include "ratio_reporter.h"
#include "raw_sqlite.h"
#include "runtime/dao/engine.h"
#include "runtime/event_loop.h"
#include "runtime/testing/recording_cursor.h"
#include "runtime/testing/recording_message_box.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int lessonCount = 2000;

// A copy of SAMPLE1 whose lesson tree is 2,000 leaves, each with a local objective of 200 characters.
struct ExchangeFiles {
    ExchangeFiles() {
        course = dir.filePath(QStringLiteral("course.mdb"));
        file = dir.filePath(QStringLiteral("objectives.lko"));
        QFile::copy(QStringLiteral(LK_COURSE_DIR "/SAMPLE1/SAMPLE1.mdb"), course);
        QFile::setPermissions(course, QFile::ReadOwner | QFile::WriteOwner);
        sqlite3* db = raw();
        raw::exec(db, "BEGIN; DELETE FROM LessonTree");
        sqlite3_stmt* s = raw::prepare(
            db, "INSERT INTO LessonTree (TreeID, ParentID, SortOrder, ItemNumber, Title, Objective5, "
                "HasChildren) VALUES (?1, 0, ?1, '1', 'Lesson', ?2, 0)");
        for (int id = 1; id <= lessonCount; ++id) {
            const QByteArray objective =
                (QByteArray::number(id) + " Caf\xC3\xA9: watch the steam rise. ").repeated(8).left(200);
            raw::bind(sqlite3_bind_int, s, 1, id);
            raw::bind(sqlite3_bind_text, s, 2, objective.constData(), int(objective.size()),
                      SQLITE_TRANSIENT);
            raw::step(s);
            raw::reset(s);
        }
        raw::finalize(s);
        raw::exec(db, "COMMIT");
        raw::close(db);
    }

    sqlite3* raw() const { return raw::open(course); }

    QTemporaryDir dir;
    QString course, file;
};

ExchangeFiles& files() {
    static ExchangeFiles f;
    return f;
}

ExchangeCourse open() {
    return {rt::DBEngine::instance().workspace().openDatabase(files().course), QStringLiteral("WW01"),
            QStringLiteral("0110")};
}

void ExportLayer(benchmark::State& state) {
    const ExchangeCourse course = open();
    rt::RecordingMessageBox msg;
    rt::QtEventLoop loop;
    for (auto _ : state) ExportLocalObjectives(course, files().file, msg, loop);
    if (!msg.shown.isEmpty()) state.SkipWithError("the export failed");
}

void ExportRaw(benchmark::State& state) {
    sqlite3* db = files().raw();
    sqlite3_stmt* s =
        raw::prepare(db,
                     "SELECT TreeID, Objective5 FROM LessonTree WHERE COALESCE(HasChildren, 0) = 0 "
                     "ORDER BY TreeID",
                     SQLITE_PREPARE_PERSISTENT);
    for (auto _ : state) {
        QByteArray out("bwIF\xFFWW01\xFF"
                       "0110\xFF");
        QByteArray rows;
        int count = 0;
        while (raw::step(s)) {
            const QString objective = QString::fromUtf8(
                reinterpret_cast<const char*>(sqlite3_column_text(s, 1)), sqlite3_column_bytes(s, 1));
            rows += QByteArray::number(sqlite3_column_int(s, 0)) + '\xFF' + objective.toLatin1() + '\xFF';
            ++count;
        }
        raw::reset(s);
        QFile f(files().file);
        f.open(QIODevice::WriteOnly);
        f.write(out + QByteArray::number(count) + '\xFF' + rows);
    }
    raw::finalize(s);
    raw::close(db);
}

// The file both imports read, written by the layer's export: the benchmarks run in any order.
void exportFile(const ExchangeCourse& course) {
    rt::RecordingMessageBox msg;
    rt::QtEventLoop loop;
    ExportLocalObjectives(course, files().file, msg, loop);
}

void ImportLayer(benchmark::State& state) {
    const ExchangeCourse course = open();
    rt::RecordingMessageBox msg;
    rt::RecordingCursor cursor;
    rt::QtEventLoop loop;
    exportFile(course);
    for (auto _ : state) ImportLocalObjectives(course, files().file, msg, cursor, loop);
    if (msg.shown.isEmpty() || msg.shown.last().icon != rt::MbIcon::Information)
        state.SkipWithError("the import failed");
}

void ImportRaw(benchmark::State& state) {
    exportFile(open());
    sqlite3* db = files().raw();
    sqlite3_stmt* s = raw::prepare(db, "UPDATE LessonTree SET Objective5 = ?2 WHERE TreeID = ?1",
                                   SQLITE_PREPARE_PERSISTENT);
    for (auto _ : state) {
        QFile f(files().file);
        if (!f.open(QIODevice::ReadOnly)) {
            state.SkipWithError("the exchange file cannot be read");
            break;
        }
        const QList<QByteArray> fields = f.readAll().split('\xFF');
        raw::exec(db, "BEGIN");
        for (qsizetype i = 4; i + 1 < fields.size(); i += 2) {
            const QString objective = QString::fromLatin1(fields[i + 1]);
            raw::bind(sqlite3_bind_int, s, 1, fields[i].toInt());
            raw::bind(sqlite3_bind_text16, s, 2, objective.utf16(), int(objective.size() * 2),
                      SQLITE_TRANSIENT);
            raw::step(s);
            raw::reset(s);
        }
        raw::exec(db, "COMMIT");
    }
    raw::finalize(s);
    raw::close(db);
}

BENCHMARK(ExportLayer)->Unit(benchmark::kMillisecond);
BENCHMARK(ExportRaw)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportLayer)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportRaw)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    files();
    return runBenchmarks<QCoreApplication>(argc, argv, [](RatioReporter& reporter) {
        for (const std::string pair : {"Export", "Import"})
            reporter.printRatio(pair + " layer / raw", pair + "Layer", pair + "Raw",
                                "(goal: 50 ms or less each)");
        const RatioReporter::Goal goal{RatioReporter::Goal::Milliseconds, 50};
        reporter.row("Export the local objectives", "2,000 lessons x 200 characters", "ExportLayer",
                     "ExportRaw", goal);
        reporter.row("Import the local objectives", "2,000 lessons x 200 characters", "ImportLayer",
                     "ImportRaw", goal);
    });
}
