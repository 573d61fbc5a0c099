#pragma once

#include "runtime/value/value.h"

#include <QString>

struct sqlite3_stmt;

namespace rt::detail {

// How a column's stored values read back, from its declared type: yes/no fields as booleans, 16-bit
// fields as Integer, dates ('YYYY-MM-DD' text) as Date; everything else by its storage class.
enum class ColumnKind { Plain, Boolean, Int16, Date };
ColumnKind columnKind(const char* declaredType);

// Binds one value: Empty and Null as NULL, booleans 0/1, dates as 'YYYY-MM-DD', texts as text.
// An object is error 13.
void bindValue(sqlite3_stmt* stmt, int index, const Value& value);
Value readValue(sqlite3_stmt* stmt, int column, ColumnKind kind);

// The stored form of a whole day.
QString dateText(qint32 days);

} // namespace rt::detail
