#pragma once

#include <QString>

namespace rt::detail {

// The engine's SQL forms that the programs write, in SQLite's: a #YYYY-MM-DD# date literal becomes
// 'YYYY-MM-DD' (zero-padded), and a leading "DELETE * FROM" becomes "DELETE FROM". Quoted texts and
// names are left alone.
QString translateSql(const QString& sql);

} // namespace rt::detail
