#include "fixture.h"

#include "runtime/text_file.h"

#include <QFile>
#include <sqlite3.h>

namespace daotest {

QString DaoTest::makeDb(const QString& name, const QString& sql) {
    const QString file = path(name);
    QFile::remove(file);
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(QFile::encodeName(file).constData(), &db), SQLITE_OK);
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error), SQLITE_OK)
        << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
    return file;
}

QString DaoTest::makeClassFile(const QString& name) {
    QFile schema(QStringLiteral(LK_SOURCE_DIR "/course/class/class.sql"));
    EXPECT_TRUE(schema.open(QIODevice::ReadOnly));
    return makeDb(name, QString::fromUtf8(schema.readAll()) + QStringLiteral(R"(
        INSERT INTO Version VALUES ('COURSE', 'LK2-0.0.3');
        INSERT INTO Class VALUES ('Ms. Reed', 'Science', '3', 'Room 12', 'LK2-0.0.3');
        INSERT INTO LessonPlans (TreeID, LPDate, Title, blocked) VALUES (12, '2027-01-04', 'Air', 0);
        INSERT INTO LessonPlans (TreeID, LPDate, Title, blocked) VALUES (-666, '2027-01-05', 'Snow day', 1);
        INSERT INTO LessonResources (LessonPlanID, ResourceID, Title, Duration, SortOrder)
            VALUES (1, 7, 'Balloon', 15, 1);
    )"));
}

QString DaoTest::makeCourse(const QString& name) {
    return makeDb(name, QStringLiteral(R"(
        CREATE TABLE Resources (ResourceID INTEGER PRIMARY KEY, TreeID INTEGER NOT NULL DEFAULT 0,
            Title TEXT, Duration INTEGER, SortOrder INTEGER, Header BOOLEAN NOT NULL DEFAULT 0);
        INSERT INTO Resources VALUES (7, 12, 'Balloon', 15, 2, 0), (8, 12, NULL, -1, 1, 1),
                                     (9, 12, 'Kite', 20, 3, 0), (10, 13, 'Rain gauge', 0, 1, 0);
        CREATE TABLE _queries (name TEXT PRIMARY KEY COLLATE NOCASE, sql TEXT NOT NULL,
            update_table TEXT, update_key TEXT);
        CREATE TABLE _links (name TEXT PRIMARY KEY, source_table TEXT NOT NULL, connect TEXT NOT NULL);
        INSERT INTO _queries VALUES
          ('qLessonResources', 'SELECT ResourceID, Title FROM Resources WHERE TreeID = ?1 ORDER BY SortOrder', NULL, NULL),
          ('qSpan', 'SELECT LessonPlanID FROM LessonPlans WHERE LPDate BETWEEN ?1 AND ?2 ORDER BY LPDate', NULL, NULL),
          ('qLoadLessonPlan', 'SELECT LessonPlanID, TreeID, LPDate, Title, blocked FROM LessonPlans WHERE LPDate = ?1 ORDER BY LessonPlanID', NULL, NULL),
          ('qUpdateTitle', 'SELECT LessonPlanID, Title FROM LessonPlans WHERE LessonPlanID = ?1', 'LessonPlans', 'LessonPlanID'),
          ('qResource', 'SELECT ResourceID, Title, Duration FROM Resources WHERE ResourceID = :id', NULL, NULL),
          ('qDeletePlan', 'DELETE FROM LessonPlans WHERE LessonPlanID = ?1', NULL, NULL),
          ('qPlanResources', 'SELECT p.Title, r.Title AS Resource FROM LessonPlans p JOIN LessonResources r ON r.LessonPlanID = p.LessonPlanID', NULL, NULL);
    )"));
}

rt::Database DaoTest::openLinked(QString* classPath) {
    const QString cls = makeClassFile(QStringLiteral("class.lkc"));
    rt::Database db = ws().openDatabase(makeCourse(QStringLiteral("course.mdb")));
    const QString connect = connectTo(cls);
    db.appendLink(QStringLiteral("Class"), QStringLiteral("Class"), connect);
    db.appendLink(QStringLiteral("LessonPlans"), QStringLiteral("LessonPlans"), connect);
    db.appendLink(QStringLiteral("LessonResources"), QStringLiteral("LessonResources"), connect);
    db.appendLink(QStringLiteral("ClassVersion"), QStringLiteral("Version"), connect);
    if (classPath) *classPath = cls;
    return db;
}

QString connectTo(const QString& file) {
    return QStringLiteral(";DATABASE=") + file + u';';
}

QString rowsOf(rt::Recordset& rs) {
    QStringList rows;
    for (; !rs.eof(); rs.moveNext()) {
        QStringList fields;
        for (int i = 0; i < rs.fieldCount(); ++i) {
            const rt::Value v = rs.field(i);
            fields << (v.isNull() ? QStringLiteral("<null>") : v.toString());
        }
        rows << fields.join(u'|');
    }
    return rows.join(u'\n');
}

} // namespace daotest
