#include "raw_class.h"

#include "large_course.h"
#include "raw_sqlite.h"

#include <QFile>
#include <benchmark/benchmark.h>

void readRows(sqlite3* db, const char* sql, int parameter) {
    sqlite3_stmt* s = raw::prepare(db, sql);
    if (parameter) raw::bind(sqlite3_bind_int, s, 1, parameter);
    while (raw::step(s))
        benchmark::DoNotOptimize(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0))));
    raw::finalize(s);
}

sqlite3* rawAttach(const LargeCourse& course) {
    sqlite3* cls = raw::open(course.classFile);
    raw::exec(cls, "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; COMMIT");
    readRows(cls, "SELECT DBName, DBVersion FROM Version");
    readRows(cls, "SELECT Comments, Period, Teacher, Subject FROM Class");
    sqlite3* db = raw::open(course.database);
    const QByteArray connect = ";DATABASE=" + QFile::encodeName(course.classFile) + ';';
    sqlite3_stmt* s =
        raw::prepare(db, "INSERT INTO _links (name, source_table, connect) VALUES (?1, ?2, ?3)");
    raw::exec(db, "BEGIN");
    for (const auto& [link, source] :
         {std::pair{"Class", "Class"}, std::pair{"LessonPlans", "LessonPlans"},
          std::pair{"LessonResources", "LessonResources"}, std::pair{"ClassVersion", "Version"}}) {
        raw::bind(sqlite3_bind_text, s, 1, link, -1, SQLITE_STATIC);
        raw::bind(sqlite3_bind_text, s, 2, source, -1, SQLITE_STATIC);
        raw::bind(sqlite3_bind_text, s, 3, connect.constData(), int(connect.size()), SQLITE_STATIC);
        raw::step(s);
        raw::reset(s);
    }
    raw::exec(db, "COMMIT");
    raw::finalize(s);
    raw::close(cls);
    sqlite3_stmt* a = raw::prepare(db, "ATTACH ?1 AS class");
    const QByteArray path = QFile::encodeName(course.classFile);
    raw::bind(sqlite3_bind_text, a, 1, path.constData(), int(path.size()), SQLITE_STATIC);
    raw::step(a);
    raw::finalize(a);
    return db;
}

void rawDetach(sqlite3* db) {
    raw::exec(db, "DELETE FROM _links; DETACH class");
    raw::close(db);
}

int rawReadDay(sqlite3* db, const QByteArray& date) {
    sqlite3_stmt* s =
        raw::prepare(db, "SELECT LessonPlanID, TreeID, LPDate, Title, ItemNumber, blocked, Objective1, "
                         "Objective2, Objective3, Objective4, Objective5 FROM LessonPlans WHERE LPDate = ?1 "
                         "ORDER BY LessonPlanID");
    raw::bind(sqlite3_bind_text, s, 1, date.constData(), int(date.size()), SQLITE_STATIC);
    const bool found = raw::step(s);
    const int plan = found ? sqlite3_column_int(s, 0) : 0, tree = found ? sqlite3_column_int(s, 1) : 0;
    if (found)
        benchmark::DoNotOptimize(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 3))));
    raw::finalize(s);
    if (!plan) return 0;
    readRows(db,
             "SELECT Title, ResourceID, Duration, Header, SortOrder, Descript, LessonItemID FROM "
             "LessonResources WHERE LessonPlanID = ?1 ORDER BY SortOrder",
             plan);
    const QByteArray browser = "SELECT Title, ResourceID, Duration, Header FROM Resources WHERE TreeID = " +
                               QByteArray::number(tree) +
                               " AND ResourceID NOT IN (SELECT ResourceID FROM LessonResources WHERE "
                               "LessonPlanID = ?1) ORDER BY SortOrder";
    readRows(db, browser.constData(), plan);
    readRows(db,
             "SELECT SUM(CASE WHEN COALESCE(Header, 0) = 0 AND Duration > 0 THEN Duration ELSE 0 END) FROM "
             "LessonResources WHERE LessonPlanID = ?1",
             plan);
    return plan;
}
