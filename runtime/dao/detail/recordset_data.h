#pragma once

#include "connection.h"
#include "runtime/dao/recordset.h"

#include <map>
#include <memory>
#include <optional>

namespace rt::detail {

// What the clones of one recordset share: the rows, and where they are written.
struct RecordsetData {
    std::shared_ptr<Connection> connection;
    RecordsetType type = RecordsetType::Dynaset;
    Rows rows;
    std::optional<Target> target; // none: read-only
    QString loadSql;              // a table's rows are read at first use
    bool loaded = true;

    // The INSERT (or UPDATE by key) of the changed fields; made once for each set of fields.
    const QString& writeSql(const std::vector<char>& changed, bool insert);

private:
    std::map<std::pair<std::vector<char>, bool>, QString> writes_;
};

} // namespace rt::detail
