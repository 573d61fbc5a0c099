// Makes a database file from SQL scripts, run in order in one transaction. The file is written under a
// temporary name and renamed when complete, so a failed build leaves no half-made database.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <sqlite3.h>

namespace {

int fail(const QString& message) {
    QTextStream(stderr) << "lk_make_db: " << message << '\n';
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2) return fail(QStringLiteral("usage: lk_make_db OUTPUT SCRIPT..."));
    const QString output = args[0];
    const QString partial = output + QStringLiteral(".partial");
    QFile::remove(partial);
    QDir().mkpath(QFileInfo(output).absolutePath());
    sqlite3* db = nullptr;
    if (sqlite3_open(QFile::encodeName(partial).constData(), &db) != SQLITE_OK)
        return fail(QStringLiteral("cannot create %1").arg(partial));
    int rc = sqlite3_exec(db, "PRAGMA journal_mode=DELETE; BEGIN", nullptr, nullptr, nullptr);
    for (qsizetype i = 1; rc == SQLITE_OK && i < args.size(); ++i) {
        QFile script(args[i]);
        if (!script.open(QIODevice::ReadOnly)) {
            sqlite3_close(db);
            return fail(QStringLiteral("cannot read %1").arg(args[i]));
        }
        char* error = nullptr;
        rc = sqlite3_exec(db, script.readAll().constData(), nullptr, nullptr, &error);
        if (rc != SQLITE_OK) {
            const QString message = QStringLiteral("%1: %2").arg(args[i], QString::fromUtf8(error));
            sqlite3_free(error);
            sqlite3_close(db);
            QFile::remove(partial);
            return fail(message);
        }
    }
    rc = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    if (rc != SQLITE_OK) return fail(QStringLiteral("cannot write %1").arg(partial));
    QFile::remove(output);
    if (!QFile::rename(partial, output)) return fail(QStringLiteral("cannot write %1").arg(output));
    return 0;
}
