#include "sql_error.h"

#include "runtime/dao/dao_errors.h"

#include <sqlite3.h>

namespace rt::detail {

namespace {

// The object named after a SQLite message's prefix ("no such table: X" gives X).
QString objectAfter(const QString& message, QLatin1StringView prefix) {
    const qsizetype p = message.indexOf(prefix);
    return p < 0 ? QString() : message.mid(p + prefix.size()).trimmed();
}

} // namespace

RuntimeError sqliteError(int code, const QString& message, const QString& file) {
    using namespace dao_error;
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return {DatabaseLocked, QStringLiteral("The database '%1' is locked by another user.").arg(file)};
    case SQLITE_IOERR:
    case SQLITE_FULL:
        return {DiskError, QStringLiteral("Disk or network error on '%1' (%2).").arg(file, message)};
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return {NotADatabase, QStringLiteral("'%1' is not a database, or it is corrupt.").arg(file)};
    case SQLITE_CANTOPEN: return {FileNotFound, QStringLiteral("Could not find file '%1'.").arg(file)};
    case SQLITE_READONLY:
        return {ReadOnly, QStringLiteral("Cannot update: the database '%1' is read-only.").arg(file)};
    default: break;
    }
    if (const QString table = objectAfter(message, QLatin1StringView("no such table: ")); !table.isEmpty())
        return {TableNotFound, QStringLiteral("The input table or query '%1' was not found.").arg(table)};
    if (const QString field = objectAfter(message, QLatin1StringView("duplicate column name: "));
        !field.isEmpty())
        return {FieldExists, QStringLiteral("Field '%1' is defined more than once.").arg(field)};
    if (message.endsWith(QLatin1StringView(" already exists")))
        return {ObjectExists, message.left(1).toUpper() + message.mid(1) + u'.'};
    return {EngineError, message};
}

QString quoteName(const QString& name) {
    QString quoted = name;
    quoted.replace(u'"', QLatin1StringView("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace rt::detail
