#include "database.h"

#include "dao_errors.h"
#include "detail/recordset_data.h"
#include "detail/sql_error.h"
#include "runtime/error.h"

#include <QRegularExpression>
#include <sqlite3.h>

namespace rt {

using namespace dao_error;

namespace {

QString sqlType(FieldType type, bool required) {
    static const char* const names[] = {"BOOLEAN", "SMALLINT", "INTEGER", "REAL", "DATE", "TEXT"};
    static const char* const defaults[] = {"0", "0", "0", "0", "'1899-12-30'", "''"};
    const int t = int(type);
    QString sql = QString::fromLatin1(names[t]);
    if (required) sql += QStringLiteral(" NOT NULL DEFAULT ") + QString::fromLatin1(defaults[t]);
    return sql;
}

bool changesSchema(const QString& sql) {
    static const QRegularExpression ddl(QStringLiteral("^\\s*(CREATE|DROP|ALTER)\\b"),
                                        QRegularExpression::CaseInsensitiveOption);
    return ddl.match(sql).hasMatch();
}

} // namespace

Database::Database(std::shared_ptr<detail::Connection> connection) : connection_(std::move(connection)) {}

detail::Connection& Database::connection() const {
    if (!connection_ || !connection_->isOpen())
        throw RuntimeError(ObjectClosed, QStringLiteral("The database has been closed."));
    return *connection_;
}

bool Database::isOpen() const {
    return connection_ && connection_->isOpen();
}

void Database::close() {
    connection().close();
}

QString Database::name() const {
    return connection().path();
}

QueryDef Database::queryDef(const QString& name) {
    return QueryDef(connection_, connection().query(name));
}

bool Database::tableDefExists(const QString& exactName) const {
    return connection().tableDefExists(exactName);
}

void Database::deleteTableDef(const QString& name) {
    connection().deleteTableDef(name);
}

void Database::appendLink(const QString& name, const QString& sourceTable, const QString& connect) {
    connection().appendLink(name, sourceTable, connect);
}

void Database::appendField(const QString& table, const QString& field, FieldType type, bool required) {
    detail::Connection& c = connection();
    if (!c.tableDefExists(table))
        throw RuntimeError(NotInCollection,
                           QStringLiteral("Item '%1' not found in this collection.").arg(table));
    c.clearStatements();
    c.exec(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
               .arg(detail::quoteName(table), detail::quoteName(field), sqlType(type, required)));
}

Recordset Database::openTable(const QString& name) {
    detail::Connection& c = connection();
    auto data = std::make_shared<detail::RecordsetData>();
    data->connection = connection_;
    data->type = RecordsetType::Table;
    const QString table = detail::quoteName(name);
    data->loadSql = QStringLiteral("SELECT rowid, * FROM ") + table;
    try {
        data->rows.fields = c.programStatement(data->loadSql, 1).fields;
        data->loaded = false;
        if (!c.readOnly()) {
            data->target = detail::Target{table, QStringLiteral("rowid"), -1, {}};
            for (const detail::Column& f : *data->rows.fields)
                data->target->columns.push_back(detail::quoteName(f.name));
        }
    } catch (const RuntimeError& e) {
        // A view (a link named otherwise than its source) has no rowid: read-only.
        if (e.number != EngineError || !e.description.contains(QLatin1StringView("rowid"))) throw;
        data->rows = c.select(c.programStatement(QStringLiteral("SELECT * FROM ") + table), {});
    }
    return Recordset(std::move(data));
}

Recordset Database::openSql(const QString& sql, RecordsetType type) {
    detail::Connection& c = connection();
    if (type == RecordsetType::Table)
        throw RuntimeError(InvalidOperation,
                           QStringLiteral("Invalid operation: a table-type recordset on SQL."));
    detail::Statement& s = c.programStatement(sql);
    if (sqlite3_column_count(s.stmt) == 0)
        throw RuntimeError(InvalidOperation, QStringLiteral("Invalid operation: the SQL returns no rows."));
    auto data = std::make_shared<detail::RecordsetData>();
    data->connection = connection_;
    data->type = type;
    data->rows = c.select(s, {});
    if (type == RecordsetType::Dynaset && !c.readOnly())
        if (const detail::Target* t = c.derivedTarget(s)) data->target = *t;
    return Recordset(std::move(data));
}

void Database::execute(const QString& sql) {
    detail::Connection& c = connection();
    detail::Statement& s = c.programStatement(sql);
    if (sqlite3_column_count(s.stmt) != 0)
        throw RuntimeError(CannotExecuteSelect, QStringLiteral("Cannot execute a select query."));
    c.run(s, {});
    if (changesSchema(sql)) c.clearStatements();
}

} // namespace rt
