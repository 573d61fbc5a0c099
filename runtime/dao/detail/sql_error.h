#pragma once

#include "runtime/error.h"

#include <QString>

namespace rt::detail {

// The engine's error for a SQLite result code and message; `file` names the database in the texts.
RuntimeError sqliteError(int code, const QString& message, const QString& file);

// Identifier quoted for SQL ("a""b").
QString quoteName(const QString& name);

} // namespace rt::detail
