// Links: table definitions of the database that stand for a table of another file. Each is a row of
// _links; while the database is open its file is attached, and a link named otherwise than its source is
// a temporary view.
#include "connection.h"

#include "runtime/dao/dao_errors.h"
#include "sql_error.h"

#include <QFileInfo>
#include <QUrl>
#include <sqlite3.h>

namespace rt::detail {

namespace {

// The file of a connect string ";DATABASE=path;"; empty when it names none or holds anything else. A
// part that is not DATABASE=..., such as the rest of a path that held ";", would otherwise be dropped and
// the link would stand for another file.
QString connectPath(const QString& connect) {
    QString path;
    bool named = false;
    for (const QString& part : connect.split(u';')) {
        if (part.trimmed().isEmpty()) continue;
        const qsizetype eq = part.indexOf(u'=');
        if (named || eq <= 0 || part.left(eq).trimmed().compare(u"DATABASE", Qt::CaseInsensitive) != 0)
            return {};
        path = part.mid(eq + 1).trimmed();
        named = true;
    }
    return path;
}

} // namespace

void Connection::loadLinks() {
    if (!mainTableExists(QStringLiteral("_links"))) return;
    const Rows rows =
        select(ownStatement(QStringLiteral("SELECT name, source_table, connect FROM _links")), {});
    for (int r = 0; r < rows.count(); ++r) {
        const auto cell = [&](int c) { return rows.cells[size_t(r * 3 + c)].toString(); };
        links_.push_back({cell(0), cell(1), connectPath(cell(2))});
    }
    linksPending_ = !links_.empty();
}

void Connection::ensureLinks() {
    if (!linksPending_) return;
    for (const Link& link : links_) {
        if (missing_.contains(link.name.toLower())) continue;
        const QString file = QFileInfo(link.path).absoluteFilePath();
        if (link.path.isEmpty() || !QFileInfo(file).isFile()) {
            missing_.insert(link.name.toLower(), link.path);
            continue;
        }
        if (!attached_.contains(file)) attach(file);
        if ((link.name != link.source || shadowed(link.name, attached_.value(file))) &&
            !views_.contains(link.name)) {
            exec(QStringLiteral("CREATE TEMP VIEW %1 AS SELECT * FROM %2.%3")
                     .arg(quoteName(link.name), quoteName(attached_.value(file)), quoteName(link.source)));
            views_.insert(link.name);
        }
    }
    linksPending_ = false;
}

void Connection::attach(const QString& file) {
    QString schema = QStringLiteral("class");
    for (int n = 2; std::find(attached_.cbegin(), attached_.cend(), schema) != attached_.cend(); ++n)
        schema = QStringLiteral("class%1").arg(n);
    // mode=rw (or ro): a missing file is never created.
    const QString uri = QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded) +
                        (readOnly_ ? QStringLiteral("?mode=ro") : QStringLiteral("?mode=rw"));
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(handle(), "ATTACH ?1 AS ?2", -1, &stmt, nullptr);
    if (rc == SQLITE_OK) {
        const QByteArray u = uri.toUtf8(), s = schema.toUtf8();
        sqlite3_bind_text(stmt, 1, u.constData(), int(u.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 2, s.constData(), int(s.size()), SQLITE_TRANSIENT);
        rc = sqlite3_step(stmt);
        sqlite3_finalize(stmt);
    }
    if (rc != SQLITE_DONE && rc != SQLITE_OK) fail(rc);
    attached_.insert(file, schema);
    order_.push_back(schema);
}

bool Connection::shadowed(const QString& table, const QString& schema) {
    // An unqualified name finds the first attached file that has the table; another file attached
    // earlier with a table of that name would take the link's reads and writes.
    for (const QString& earlier : order_) {
        if (earlier == schema) return false;
        Statement& s =
            ownStatement(QStringLiteral("SELECT 1 FROM %1.sqlite_master WHERE type IN ('table', 'view') "
                                        "AND name = ?1 COLLATE NOCASE")
                             .arg(quoteName(earlier)));
        if (select(s, {Value(table)}).count() > 0) return true;
    }
    return false;
}

void Connection::detachUnused(const QString& path) {
    const QString file = QFileInfo(path).absoluteFilePath();
    for (const Link& link : links_)
        if (QFileInfo(link.path).absoluteFilePath() == file) return;
    const QString schema = attached_.take(file);
    if (schema.isEmpty()) return;
    std::erase(order_, schema);
    clearStatements();
    exec(QStringLiteral("DETACH %1").arg(quoteName(schema)));
}

bool Connection::tableDefExists(const QString& exactName) {
    for (const Link& link : links_)
        if (link.name == exactName) return true;
    Statement& s = ownStatement(
        QStringLiteral("SELECT 1 FROM main.sqlite_master WHERE type IN ('table', 'view') AND name = ?1"));
    return select(s, {Value(exactName)}).count() > 0;
}

void Connection::deleteTableDef(const QString& name) {
    for (auto it = links_.begin(); it != links_.end(); ++it) {
        if (it->name.compare(name, Qt::CaseInsensitive) != 0) continue;
        const Link link = *it;
        run(ownStatement(QStringLiteral("DELETE FROM _links WHERE name = ?1")), {Value(link.name)});
        links_.erase(it);
        missing_.remove(link.name.toLower());
        if (views_.remove(link.name))
            exec(QStringLiteral("DROP VIEW IF EXISTS temp.%1").arg(quoteName(link.name)));
        detachUnused(link.path);
        return;
    }
    if (mainTableExists(name)) {
        clearStatements();
        exec(QStringLiteral("DROP TABLE %1").arg(quoteName(name)));
        return;
    }
    throw RuntimeError(dao_error::NotInCollection,
                       QStringLiteral("Item '%1' not found in this collection.").arg(name));
}

void Connection::appendLink(const QString& name, const QString& sourceTable, const QString& connect) {
    const QString path = connectPath(connect);
    if (path.isEmpty())
        throw RuntimeError(
            dao_error::BadConnect,
            QStringLiteral("The connect string '%1' does not name one database.").arg(connect));
    for (const Link& link : links_)
        if (link.name.compare(name, Qt::CaseInsensitive) == 0)
            throw RuntimeError(dao_error::ObjectExists,
                               QStringLiteral("Object '%1' already exists.").arg(name));
    if (mainTableExists(name))
        throw RuntimeError(dao_error::ObjectExists, QStringLiteral("Object '%1' already exists.").arg(name));
    exec(QStringLiteral("CREATE TABLE IF NOT EXISTS _links (name TEXT PRIMARY KEY, "
                        "source_table TEXT NOT NULL, connect TEXT NOT NULL)"));
    run(ownStatement(QStringLiteral("INSERT INTO _links (name, source_table, connect) VALUES (?1, ?2, ?3)")),
        {Value(name), Value(sourceTable), Value(connect)});
    links_.push_back({name, sourceTable, path});
    linksPending_ = true;
}

} // namespace rt::detail
