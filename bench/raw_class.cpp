#include "raw_class.h"

#include "large_course.h"

#include <QFile>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

sqlite3* open(const QString& path) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    return db;
}

} // namespace

void readRows(sqlite3* db, const char* sql, int parameter) {
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &s, nullptr);
    if (parameter) sqlite3_bind_int(s, 1, parameter);
    while (sqlite3_step(s) == SQLITE_ROW)
        benchmark::DoNotOptimize(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0))));
    sqlite3_finalize(s);
}

sqlite3* rawAttach(const LargeCourse& course) {
    sqlite3* cls = open(course.classFile);
    sqlite3_exec(cls, "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; COMMIT", nullptr, nullptr, nullptr);
    readRows(cls, "SELECT DBName, DBVersion FROM Version");
    readRows(cls, "SELECT Comments, Period, Teacher, Subject FROM Class");
    sqlite3* db = open(course.database);
    const QByteArray connect = ";DATABASE=" + QFile::encodeName(course.classFile) + ';';
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO _links (name, source_table, connect) VALUES (?1, ?2, ?3)", -1, &s,
                       nullptr);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    for (const auto& [link, source] :
         {std::pair{"Class", "Class"}, std::pair{"LessonPlans", "LessonPlans"},
          std::pair{"LessonResources", "LessonResources"}, std::pair{"ClassVersion", "Version"}}) {
        sqlite3_bind_text(s, 1, link, -1, SQLITE_STATIC);
        sqlite3_bind_text(s, 2, source, -1, SQLITE_STATIC);
        sqlite3_bind_text(s, 3, connect.constData(), int(connect.size()), SQLITE_STATIC);
        sqlite3_step(s);
        sqlite3_reset(s);
    }
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_finalize(s);
    sqlite3_close(cls);
    sqlite3_stmt* a = nullptr;
    sqlite3_prepare_v2(db, "ATTACH ?1 AS class", -1, &a, nullptr);
    const QByteArray path = QFile::encodeName(course.classFile);
    sqlite3_bind_text(a, 1, path.constData(), int(path.size()), SQLITE_STATIC);
    sqlite3_step(a);
    sqlite3_finalize(a);
    return db;
}

void rawDetach(sqlite3* db) {
    sqlite3_exec(db, "DELETE FROM _links; DETACH class", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

int rawReadDay(sqlite3* db, const QByteArray& date) {
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT LessonPlanID, TreeID, LPDate, Title, ItemNumber, blocked, Objective1, "
                       "Objective2, Objective3, Objective4, Objective5 FROM LessonPlans WHERE LPDate = ?1 "
                       "ORDER BY LessonPlanID",
                       -1, &s, nullptr);
    sqlite3_bind_text(s, 1, date.constData(), int(date.size()), SQLITE_STATIC);
    const bool found = sqlite3_step(s) == SQLITE_ROW;
    const int plan = found ? sqlite3_column_int(s, 0) : 0, tree = found ? sqlite3_column_int(s, 1) : 0;
    if (found)
        benchmark::DoNotOptimize(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 3))));
    sqlite3_finalize(s);
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
