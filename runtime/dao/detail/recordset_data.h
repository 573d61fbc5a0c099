#pragma once

#include "connection.h"
#include "runtime/dao/recordset.h"

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
};

} // namespace rt::detail
