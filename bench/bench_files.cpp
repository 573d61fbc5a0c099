#include "bench_files.h"

#include "runtime/dao/engine.h"

#include <QFile>
#include <sqlite3.h>

BenchFiles::BenchFiles(const QList<QDate>& planDays) {
    course = dir_.filePath(QStringLiteral("course.mdb"));
    classFile = dir_.filePath(QStringLiteral("class.lkc"));
    QFile::copy(QStringLiteral(LK_COURSE_DIR "/SAMPLE1/SAMPLE1.mdb"), course);
    QFile::copy(QStringLiteral(LK_PROGRAM_DIR "/CLASS.NEW"), classFile);
    for (const QString& f : {course, classFile})
        QFile::setPermissions(f, QFile::ReadOwner | QFile::WriteOwner);

    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(classFile).constData(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO LessonPlans (TreeID, LPDate, Title, ItemNumber, blocked, Objective1, "
                       "Objective2, Objective5) VALUES (12, ?1, 'Air Takes Up Space', '1', 0, "
                       "'Show that air takes up space.', 'Predict, observe and explain.', NULL)",
                       -1, &s, nullptr);
    for (const QDate& day : planDays) {
        const QByteArray text = day.toString(Qt::ISODate).toLatin1();
        sqlite3_bind_text(s, 1, text.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_step(s);
        sqlite3_reset(s);
    }
    sqlite3_finalize(s);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);

    rt::Database d = rt::DBEngine::instance().workspace().openDatabase(course);
    const QString connect = QStringLiteral(";DATABASE=") + classFile + u';';
    for (const char* link : {"Class", "LessonPlans", "LessonResources"})
        d.appendLink(QString::fromLatin1(link), QString::fromLatin1(link), connect);
    d.close();
}

sqlite3* BenchFiles::rawConnection() const {
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(course).constData(), &db);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "ATTACH ?1 AS class", -1, &s, nullptr);
    const QByteArray path = QFile::encodeName(classFile);
    sqlite3_bind_text(s, 1, path.constData(), -1, SQLITE_TRANSIENT);
    sqlite3_step(s);
    sqlite3_finalize(s);
    return db;
}
