#pragma once

#include "sql_value.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace rt::detail {

struct Column {
    QString name;
    ColumnKind kind = ColumnKind::Plain;
    QString schema, table, origin; // where the value is stored; empty for an expression
};
using Columns = std::vector<Column>;

// Where a recordset's rows are written back.
struct Target {
    QString table;                // the table as SQL (quoted, qualified where it was derived)
    QString key;                  // the key column as SQL, or rowid
    int keyField = -1;            // the field holding the key; -1: the row's rowid
    std::vector<QString> columns; // per field: the column it writes as SQL; empty when it cannot
};

// One prepared statement, kept for the life of the connection.
struct Statement {
    sqlite3_stmt* stmt = nullptr;
    int hidden = 0; // leading columns that are no fields (the rowid of a table)
    std::shared_ptr<const Columns> fields;
    bool targetDerived = false;
    std::optional<Target> target;
};

// The rows of a recordset, read at once.
struct Rows {
    std::shared_ptr<const Columns> fields;
    std::vector<Value> cells; // row by row
    std::vector<qint64> rowids;
    std::vector<char> deleted;
    int deletedCount = 0; // kept with `deleted`, so the live rows are counted without a walk
    int count() const { return int(deleted.size()); }
    int live() const { return count() - deletedCount; }
    int width() const { return int(fields->size()); }
};

struct QueryText {
    QString name, sql, updateTable, updateKey;
};

// One open database file: the SQLite connection with its statement cache, its saved queries and its
// links. Links are attached lazily, at the first statement of the programs that needs them, so that
// making a link never reads the linked file (its opener may still hold it exclusively).
class Connection {
public:
    Connection(const QString& path, bool exclusive, bool readOnly); // never creates the file
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // How often a connection of this process has found a file locked by another opener and waited.
    static int busyWaits();

    void close();
    bool isOpen() const { return db_ != nullptr; }
    const QString& path() const { return path_; }
    bool readOnly() const { return readOnly_; }
    void releaseMemory();

    // A statement that the programs wrote (translated from the engine's dialect, links attached).
    Statement& programStatement(const QString& sql, int hidden = 0);
    // One of the layer's own statements.
    Statement& ownStatement(const QString& sql);
    void exec(const QString& sql);
    // Drops the cached statements, whose columns may change with the schema.
    void clearStatements();

    Rows select(Statement& statement, const std::vector<Value>& parameters);
    void run(Statement& statement, const std::vector<Value>& parameters);
    // Where a select over one table writes, when its integer primary key is among the fields.
    const Target* derivedTarget(Statement& statement);
    static std::optional<Target> targetFor(const Columns& fields, const QString& table, const QString& key);

    std::shared_ptr<const QueryText> query(const QString& name); // 3265 when there is none

    bool tableDefExists(const QString& exactName);
    void deleteTableDef(const QString& name);
    void appendLink(const QString& name, const QString& sourceTable, const QString& connect);

    void begin();
    void commit();
    void rollback();
    int transactionDepth() const { return depth_; }

    [[noreturn]] void fail(int code) const;

private:
    struct Link {
        QString name, source, path;
    };
    sqlite3* handle() const;
    Statement& prepare(const QString& sql, int hidden);
    void describe(Statement& statement);
    void loadLinks();
    void ensureLinks();
    void attach(const QString& path);
    void detachUnused(const QString& path);
    bool shadowed(const QString& table, const QString& schema);
    bool mainTableExists(const QString& name);
    static void onUpdate(void* self, int, const char*, const char* table, long long);
    static int onBusy(void* self, int calls);

    sqlite3* db_ = nullptr;
    QString path_;
    bool readOnly_ = false;
    int depth_ = 0;
    int waitMs_ = 0; // how long a statement waits for another opener's lock
    QHash<QString, Statement*> statements_;
    QHash<QString, std::shared_ptr<const QueryText>> queries_;
    std::vector<Link> links_;
    bool linksPending_ = false;
    QHash<QString, QString> attached_; // linked file -> schema name
    std::vector<QString> order_;       // the schemas in the order they were attached
    QSet<QString> views_;              // links whose name differs from their source
    QHash<QString, QString> missing_;  // link name (lower case) -> the file that is not there
};

} // namespace rt::detail
