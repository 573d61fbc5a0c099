#include "large_course.h"
#include "raw_sqlite.h"

#include "runtime/dao/engine.h"
#include "tools/install_course/install_course.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>
#include <stdexcept>

namespace {

const QString built = QStringLiteral(LK_LARGE_COURSE_DIR);

void copy(const QString& from, const QString& to) {
    if (!QFile::copy(from, to)) throw std::runtime_error("cannot copy " + from.toStdString());
    QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace

QString LargeCourse::temporaryFolder() {
    const QString memory = QStringLiteral("/dev/shm");
    const QString base = QFileInfo(memory).isWritable() ? memory : QDir::tempPath();
    return base + QStringLiteral("/larkspan-bench-XXXXXX");
}

LargeCourse::LargeCourse() {
    folder = dir_.filePath(QString::fromLatin1(Key));
    QDir().mkpath(folder + QStringLiteral("/pdf"));
    const QString source = built + u'/' + QString::fromLatin1(Key);
    for (const QString& name : QDir(source).entryList(QDir::Files))
        copy(source + u'/' + name, folder + u'/' + name);
    for (const QString& name : QDir(source + QStringLiteral("/pdf")).entryList(QDir::Files))
        copy(source + QStringLiteral("/pdf/") + name, folder + QStringLiteral("/pdf/") + name);
    database = folder + u'/' + QString::fromLatin1(Key) + QStringLiteral(".mdb");
    classFile = freshClassFile();
}

QList<QDate> LargeCourse::schoolDays() {
    QList<QDate> days;
    for (QDate d(2027, 8, 30); days.size() < SchoolDays; d = d.addDays(1))
        if (d.dayOfWeek() <= 5) days << d;
    return days;
}

QString LargeCourse::freshClassFile() {
    const QString path = dir_.filePath(QStringLiteral("class%1.lkc").arg(++copies_));
    copy(built + u'/' + QString::fromLatin1(Key) + QStringLiteral(".lkc"), path);
    return path;
}

void LargeCourse::install(rt::SettingsStore& settings) const {
    const QString error = InstallCourse(settings, QString::fromLatin1(Key), folder);
    if (!error.isEmpty()) throw std::runtime_error(error.toStdString());
}

void LargeCourse::link(const QString& file) const {
    rt::Database d = rt::DBEngine::instance().workspace().openDatabase(database);
    const QString connect = QStringLiteral(";DATABASE=") + file + u';';
    for (const auto& [link, source] :
         {std::pair{"Class", "Class"}, std::pair{"LessonPlans", "LessonPlans"},
          std::pair{"LessonResources", "LessonResources"}, std::pair{"ClassVersion", "Version"}}) {
        const QString name = QString::fromLatin1(link);
        if (d.tableDefExists(name)) d.deleteTableDef(name);
        d.appendLink(name, QString::fromLatin1(source), connect);
    }
    d.close();
}

sqlite3* LargeCourse::rawConnection(const QString& file) const {
    sqlite3* db = raw::open(database);
    sqlite3_stmt* s = raw::prepare(db, "ATTACH ?1 AS class");
    const QByteArray path = QFile::encodeName(file);
    raw::bind(sqlite3_bind_text, s, 1, path.constData(), -1, SQLITE_TRANSIENT);
    raw::step(s);
    raw::finalize(s);
    return db;
}
