#pragma once

#include "querydef.h"
#include "recordset.h"

#include <QString>
#include <memory>

namespace rt {

namespace detail {
class Connection;
}

// Field types for appendField: Integer is 16-bit, Long 32-bit.
enum class FieldType { Boolean, Integer, Long, Double, Date, Text };

// An open database file (a handle: copies share it; the file closes with the last one, or at close()).
class Database {
public:
    Database() = default;
    explicit Database(std::shared_ptr<detail::Connection> connection);

    bool isOpen() const;
    void close();
    QString name() const; // the path it was opened with

    QueryDef queryDef(const QString& name); // by name without regard to case; 3265 when there is none

    // Table definitions: the database's tables and its links. Exists compares the exact name.
    bool tableDefExists(const QString& exactName) const;
    void deleteTableDef(const QString& name);                                                 // 3265
    void appendLink(const QString& name, const QString& sourceTable, const QString& connect); // 3012
    void appendField(const QString& table, const QString& field, FieldType type,
                     bool required = false); // 3191

    Recordset openTable(const QString& name); // 3078 when there is no such table
    Recordset openSql(const QString& sql, RecordsetType type = RecordsetType::Dynaset);
    void execute(const QString& sql);

private:
    detail::Connection& connection() const;
    std::shared_ptr<detail::Connection> connection_;
};

} // namespace rt
