#include "connection.h"

#include "dialect.h"
#include "runtime/dao/dao_errors.h"
#include "sql_error.h"

#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <cstring>
#include <sqlite3.h>

namespace rt::detail {

namespace {

// How long an open waits for another opener's lock, and how long a statement waits later on.
constexpr int openWaitMs = 500;
constexpr int busyWaitMs = 2000;
constexpr int busyStepMs = 10;

std::atomic<int> busyCalls{0};

struct ResetOnExit {
    sqlite3_stmt* stmt;
    ~ResetOnExit() {
        sqlite3_reset(stmt);
        sqlite3_clear_bindings(stmt);
    }
};

QString text(const char* s) {
    return s ? QString::fromUtf8(s) : QString();
}

void checkHeader(const QString& path, const QString& name) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw RuntimeError(dao_error::FileInUse,
                           QStringLiteral("The file '%1' is in use or cannot be read.").arg(name));
    static const QByteArray magic("SQLite format 3\0", 16);
    if (file.read(16) != magic)
        throw RuntimeError(dao_error::NotADatabase,
                           QStringLiteral("'%1' is not a database, or it is corrupt.").arg(name));
}

} // namespace

Connection::Connection(const QString& path, bool exclusive, bool readOnly)
    : path_(path), readOnly_(readOnly) {
    const QFileInfo info(path);
    if (!info.isFile())
        throw RuntimeError(dao_error::FileNotFound, QStringLiteral("Could not find file '%1'.").arg(path));
    checkHeader(info.absoluteFilePath(), path);
    // A file marked read-only is not opened for writing, whoever runs the program (root included).
    if (!readOnly && !(info.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther)))
        throw RuntimeError(dao_error::FileInUse, QStringLiteral("The file '%1' is read-only.").arg(path));
    const int flags = (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_URI;
    const int rc =
        sqlite3_open_v2(QFile::encodeName(info.absoluteFilePath()).constData(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = text(sqlite3_errmsg(db_));
        sqlite3_close_v2(db_);
        db_ = nullptr;
        throw sqliteError(rc, message, path);
    }
    sqlite3_extended_result_codes(db_, 1);
    try {
        waitMs_ = openWaitMs;
        sqlite3_busy_handler(db_, &Connection::onBusy, this);
        if (exclusive) {
            // The lock is taken now and held until close.
            exec(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"));
            if (!readOnly) exec(QStringLiteral("BEGIN EXCLUSIVE; COMMIT"));
        }
        exec(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        // One rollback journal per file, so that a commit over attached files is atomic.
        if (!readOnly) sqlite3_exec(db_, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr);
        waitMs_ = busyWaitMs;
        loadLinks();
    } catch (const RuntimeError& e) {
        close();
        if (e.number == dao_error::DatabaseLocked)
            throw RuntimeError(
                dao_error::FileInUse,
                QStringLiteral("The file '%1' is already opened exclusively by another user.").arg(path));
        throw;
    }
    sqlite3_update_hook(db_, &Connection::onUpdate, this);
}

int Connection::onBusy(void* self, int calls) {
    ++busyCalls;
    if (calls * busyStepMs >= static_cast<Connection*>(self)->waitMs_) return 0;
    sqlite3_sleep(busyStepMs);
    return 1;
}

int Connection::busyWaits() {
    return busyCalls;
}

Connection::~Connection() {
    close();
}

void Connection::close() {
    if (!db_) return;
    clearStatements();
    sqlite3_close_v2(db_);
    db_ = nullptr;
    queries_.clear();
    depth_ = 0;
}

void Connection::releaseMemory() {
    if (db_) sqlite3_db_release_memory(db_);
}

sqlite3* Connection::handle() const {
    if (!db_)
        throw RuntimeError(dao_error::ObjectClosed,
                           QStringLiteral("The database '%1' has been closed.").arg(path_));
    return db_;
}

void Connection::fail(int code) const {
    const QString message = text(sqlite3_errmsg(db_));
    RuntimeError error = sqliteError(code, message, path_);
    if (error.number == dao_error::TableNotFound) {
        const QString table = message.mid(message.indexOf(u':') + 1).trimmed().toLower();
        if (const auto it = missing_.find(table); it != missing_.end())
            error =
                RuntimeError(dao_error::FileNotFound, QStringLiteral("Could not find file '%1'.").arg(*it));
    }
    throw error;
}

void Connection::exec(const QString& sql) {
    const int rc = sqlite3_exec(handle(), sql.toUtf8().constData(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) fail(rc);
}

Statement& Connection::programStatement(const QString& sql, int hidden) {
    handle();
    if (const auto it = statements_.constFind(sql); it != statements_.constEnd()) return **it;
    const QString translated = translateSql(sql);
    // The linked files are attached only when a statement names a table this file lacks: a program that
    // never uses a link never opens the linked file, which another program may hold exclusively.
    if (linksPending_) {
        try {
            return prepare(translated, hidden);
        } catch (const RuntimeError& e) {
            if (e.number != dao_error::TableNotFound) throw;
        }
        ensureLinks();
    }
    return prepare(translated, hidden);
}

Statement& Connection::ownStatement(const QString& sql) {
    handle();
    if (const auto it = statements_.constFind(sql); it != statements_.constEnd()) return **it;
    return prepare(sql, 0);
}

Statement& Connection::prepare(const QString& sql, int hidden) {
    if (const auto it = statements_.constFind(sql); it != statements_.constEnd()) return **it;
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v3(handle(), utf8.constData(), int(utf8.size()), SQLITE_PREPARE_PERSISTENT,
                                      &stmt, &tail);
    if (rc != SQLITE_OK) fail(rc);
    if (!stmt) throw RuntimeError(dao_error::EngineError, QStringLiteral("The SQL text is empty."));
    if (QByteArray(tail).trimmed().size() > 0) {
        sqlite3_finalize(stmt);
        throw RuntimeError(dao_error::EngineError,
                           QStringLiteral("Characters found after end of SQL statement."));
    }
    auto* statement = new Statement{stmt, hidden, nullptr, false, std::nullopt};
    describe(*statement);
    statements_.insert(sql, statement);
    return *statement;
}

void Connection::describe(Statement& statement) {
    auto fields = std::make_shared<Columns>();
    sqlite3_stmt* s = statement.stmt;
    for (int i = statement.hidden; i < sqlite3_column_count(s); ++i) {
        Column c{text(sqlite3_column_name(s, i)), columnKind(sqlite3_column_decltype(s, i)), {}, {}, {}};
        if (const char* table = sqlite3_column_table_name(s, i)) {
            c.schema = text(sqlite3_column_database_name(s, i));
            c.table = text(table);
            c.origin = text(sqlite3_column_origin_name(s, i));
        }
        fields->push_back(std::move(c));
    }
    statement.fields = std::move(fields);
    statement.targetDerived = false;
    statement.target.reset();
}

void Connection::clearStatements() {
    for (Statement* s : std::as_const(statements_)) {
        sqlite3_finalize(s->stmt);
        delete s;
    }
    statements_.clear();
}

Rows Connection::select(Statement& statement, const std::vector<Value>& parameters) {
    sqlite3_stmt* s = statement.stmt;
    ResetOnExit reset{s};
    for (size_t i = 0; i < parameters.size(); ++i) bindValue(s, int(i) + 1, parameters[i]);
    Rows rows;
    int rc = sqlite3_step(s);
    // SQLite prepares again after a schema change; the columns may have changed with it.
    if (sqlite3_column_count(s) - statement.hidden != int(statement.fields->size())) describe(statement);
    rows.fields = statement.fields;
    const Columns& fields = *rows.fields;
    const int width = int(fields.size());
    for (; rc == SQLITE_ROW; rc = sqlite3_step(s)) {
        if (statement.hidden) rows.rowids.push_back(sqlite3_column_int64(s, 0));
        for (int i = 0; i < width; ++i)
            rows.cells.push_back(readValue(s, i + statement.hidden, fields[size_t(i)].kind));
        rows.deleted.push_back(0);
    }
    if (rc != SQLITE_DONE) fail(rc);
    return rows;
}

void Connection::run(Statement& statement, const std::vector<Value>& parameters) {
    sqlite3_stmt* s = statement.stmt;
    ResetOnExit reset{s};
    for (size_t i = 0; i < parameters.size(); ++i) bindValue(s, int(i) + 1, parameters[i]);
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) fail(rc);
}

std::optional<Target> Connection::targetFor(const Columns& fields, const QString& table, const QString& key) {
    Target target{table, quoteName(key), -1, {}};
    for (size_t i = 0; i < fields.size(); ++i) {
        const Column& f = fields[i];
        if (target.keyField < 0 && !f.origin.isEmpty() && f.origin.compare(key, Qt::CaseInsensitive) == 0)
            target.keyField = int(i);
        target.columns.push_back(f.origin.isEmpty() ? QString() : quoteName(f.origin));
    }
    if (target.keyField < 0) return std::nullopt;
    return target;
}

const Target* Connection::derivedTarget(Statement& statement) {
    if (!statement.targetDerived) {
        statement.targetDerived = true;
        const Column* source = nullptr;
        bool oneTable = true;
        for (const Column& f : *statement.fields) {
            if (f.table.isEmpty()) continue;
            if (!source)
                source = &f;
            else if (f.table != source->table || f.schema != source->schema)
                oneTable = false;
        }
        if (source && oneTable) {
            Statement& keys =
                ownStatement(QStringLiteral("SELECT name, type FROM pragma_table_info(?1, ?2) WHERE pk > 0"));
            const Rows pk = select(keys, {Value(source->table), Value(source->schema)});
            if (pk.count() == 1 && pk.cells[1].toString().compare(u"INTEGER", Qt::CaseInsensitive) == 0) {
                Columns own;
                for (const Column& f : *statement.fields) {
                    Column c = f;
                    if (f.table != source->table) c.origin.clear();
                    own.push_back(std::move(c));
                }
                statement.target = targetFor(own, quoteName(source->schema) + u'.' + quoteName(source->table),
                                             pk.cells[0].toString());
            }
        }
    }
    return statement.target ? &*statement.target : nullptr;
}

std::shared_ptr<const QueryText> Connection::query(const QString& name) {
    const QString key = name.toLower();
    if (const auto it = queries_.constFind(key); it != queries_.constEnd()) return *it;
    const auto notFound = [&] {
        return RuntimeError(dao_error::NotInCollection,
                            QStringLiteral("Item '%1' not found in this collection.").arg(name));
    };
    if (!mainTableExists(QStringLiteral("_queries"))) throw notFound();
    Statement& s = ownStatement(
        QStringLiteral("SELECT name, sql, update_table, update_key FROM _queries WHERE name = ?1"));
    const Rows rows = select(s, {Value(name)});
    if (rows.count() == 0) throw notFound();
    const auto textOf = [&](int i) {
        return rows.cells[size_t(i)].isNull() ? QString() : rows.cells[size_t(i)].toString();
    };
    auto q = std::make_shared<const QueryText>(
        QueryText{textOf(0), translateSql(textOf(1)), textOf(2), textOf(3)});
    queries_.insert(key, q);
    return q;
}

void Connection::onUpdate(void* self, int, const char*, const char* table, long long) {
    // A change to the saved queries makes the texts read so far stale.
    if (std::strcmp(table, "_queries") == 0) static_cast<Connection*>(self)->queries_.clear();
}

bool Connection::mainTableExists(const QString& name) {
    Statement& s = ownStatement(QStringLiteral(
        "SELECT 1 FROM main.sqlite_master WHERE type IN ('table', 'view') AND name = ?1 COLLATE NOCASE"));
    return select(s, {Value(name)}).count() > 0;
}

void Connection::begin() {
    ensureLinks();
    exec(QStringLiteral("SAVEPOINT lk_transaction"));
    ++depth_;
}

void Connection::commit() {
    try {
        exec(QStringLiteral("RELEASE lk_transaction"));
    } catch (...) {
        // What cannot be stored is undone, so no half-ended transaction stays open for the next piece of
        // work to join; SQLite may have rolled it back already. The refusal goes on to the caller.
        if (!sqlite3_get_autocommit(db_))
            sqlite3_exec(db_, "ROLLBACK TO lk_transaction; RELEASE lk_transaction", nullptr, nullptr,
                         nullptr);
        --depth_;
        throw;
    }
    --depth_;
}

void Connection::rollback() {
    // A write that failed (a full disk, say) can make SQLite roll the whole transaction back itself: no
    // savepoint is left to go back to, and the failed write's error is the one to tell.
    if (db_ && !sqlite3_get_autocommit(db_))
        exec(QStringLiteral("ROLLBACK TO lk_transaction; RELEASE lk_transaction"));
    --depth_;
}

} // namespace rt::detail
