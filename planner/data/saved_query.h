#pragma once

#include "runtime/dao/querydef.h"

#include <QString>

// The saved query of the course database by name, with its parameter 0 set.
rt::QueryDef SavedQuery(const QString& name, const rt::Value& parameter0);

// The recordset stands on a row (at neither BOF nor EOF).
inline bool HasRow(const rt::Recordset& rs) {
    return !rs.eof() && !rs.bof();
}
