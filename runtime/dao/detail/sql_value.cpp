#include "sql_value.h"

#include "runtime/error.h"
#include "runtime/value/date.h"

#include <QDate>
#include <cstdio>
#include <cstring>
#include <limits>
#include <sqlite3.h>

namespace rt::detail {

namespace {

bool contains(const QByteArray& upper, const char* word) {
    return upper.contains(word);
}

// 'YYYY-MM-DD' exactly; anything else (a time of day, another form) stays text.
std::optional<qint32> parseStoredDate(const char* text, int size) {
    if (size != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    int parts[3] = {0, 0, 0};
    const int starts[3] = {0, 5, 8}, lengths[3] = {4, 2, 2};
    for (int p = 0; p < 3; ++p) {
        for (int i = 0; i < lengths[p]; ++i) {
            const char c = text[starts[p] + i];
            if (c < '0' || c > '9') return std::nullopt;
            parts[p] = parts[p] * 10 + (c - '0');
        }
    }
    const QDate date(parts[0], parts[1], parts[2]);
    if (!date.isValid()) return std::nullopt;
    return daysFromDate(date);
}

} // namespace

ColumnKind columnKind(const char* declaredType) {
    if (!declaredType) return ColumnKind::Plain;
    const QByteArray upper = QByteArray(declaredType).toUpper();
    if (contains(upper, "BOOL") || contains(upper, "YESNO")) return ColumnKind::Boolean;
    if (contains(upper, "SMALLINT")) return ColumnKind::Int16;
    if (contains(upper, "DATE")) return ColumnKind::Date;
    return ColumnKind::Plain;
}

QString dateText(qint32 days) {
    const QDate d = dateFromDays(days);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", d.year(), d.month(), d.day());
    return QString::fromLatin1(buffer);
}

void bindValue(sqlite3_stmt* stmt, int index, const Value& value) {
    switch (value.type()) {
    case VarType::Empty:
    case VarType::Null: sqlite3_bind_null(stmt, index); break;
    case VarType::Boolean: sqlite3_bind_int(stmt, index, value.toBool() ? 1 : 0); break;
    case VarType::Integer:
    case VarType::Long: sqlite3_bind_int64(stmt, index, value.toInt32()); break;
    case VarType::Double: sqlite3_bind_double(stmt, index, value.toDouble()); break;
    case VarType::Date: {
        const QByteArray text = dateText(value.toDate()).toLatin1();
        sqlite3_bind_text(stmt, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        break;
    }
    case VarType::String: {
        const QString text = value.toString();
        sqlite3_bind_text16(stmt, index, text.utf16(), int(text.size() * 2), SQLITE_TRANSIENT);
        break;
    }
    case VarType::Object: throw RuntimeError(13);
    }
}

Value readValue(sqlite3_stmt* stmt, int column, ColumnKind kind) {
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_NULL: return Value::null();
    case SQLITE_INTEGER: {
        const sqlite3_int64 n = sqlite3_column_int64(stmt, column);
        if (kind == ColumnKind::Boolean) return Value::boolean(n != 0);
        if (kind == ColumnKind::Int16 && n >= std::numeric_limits<qint16>::min() &&
            n <= std::numeric_limits<qint16>::max())
            return Value::integer(qint16(n));
        if (n >= std::numeric_limits<qint32>::min() && n <= std::numeric_limits<qint32>::max())
            return Value::longInt(qint32(n));
        return Value::real(double(n));
    }
    case SQLITE_FLOAT: return Value::real(sqlite3_column_double(stmt, column));
    default: {
        const char* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
        const int size = sqlite3_column_bytes(stmt, column);
        if (kind == ColumnKind::Date) {
            if (const auto days = parseStoredDate(text, size)) return Value::date(*days);
        }
        return Value(QString::fromUtf8(text, size));
    }
    }
}

} // namespace rt::detail
