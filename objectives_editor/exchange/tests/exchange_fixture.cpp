#include "exchange_fixture.h"

#include <QCryptographicHash>
#include <QFile>

namespace exchangetest {

QByteArray lko(QByteArray text) {
    return text.replace('|', '\xFF').replace('~', '\xFE');
}

QByteArray readBytes(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

ExchangeCourse ExchangeTest::openCopy(const QString& courseFile, const QString& uci) {
    const QString copy = path(QStringLiteral("course.mdb"));
    EXPECT_TRUE(QFile::copy(QStringLiteral(LK_COURSE_DIR "/") + courseFile, copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    rt::Database db = ws().openDatabase(copy);
    const QString version = db.queryDef(QStringLiteral("DBInformation"))
                                .open(rt::RecordsetType::Snapshot)
                                .field("DBVersion")
                                .toString();
    return {db, uci, version};
}

ExchangeCourse ExchangeTest::openMade(const QString& uci, const QString& data) {
    QString sql;
    for (const char* part : {"course.sql", "queries.sql", "queries_0101.sql"})
        sql += QString::fromUtf8(readBytes(QStringLiteral(LK_SOURCE_DIR "/course/schema/") + part));
    rt::Database db = ws().openDatabase(makeDb(QStringLiteral("made.mdb"), sql + data));
    const QString version = db.queryDef(QStringLiteral("DBInformation"))
                                .open(rt::RecordsetType::Snapshot)
                                .field("DBVersion")
                                .toString();
    return {db, uci, version};
}

QByteArray ExchangeTest::checksum(const ExchangeCourse& course) {
    rt::Database db = course.database;
    rt::Recordset rs = db.openSql(QStringLiteral("SELECT * FROM LessonTree ORDER BY TreeID"));
    return QCryptographicHash::hash(daotest::rowsOf(rs).toUtf8(), QCryptographicHash::Sha1);
}

QMap<qint32, QString> ExchangeTest::objectives(const ExchangeCourse& course) {
    rt::Database db = course.database;
    rt::Recordset rs = db.openSql(QStringLiteral("SELECT TreeID, Objective5 FROM LessonTree"));
    QMap<qint32, QString> out;
    for (; !rs.eof(); rs.moveNext()) {
        const rt::Value v = rs.field("Objective5");
        out.insert(rs.field("TreeID").toInt32(), v.isNull() ? QStringLiteral("<null>") : v.toString());
    }
    return out;
}

} // namespace exchangetest
