#include "querydef.h"

#include "dao_errors.h"
#include "detail/recordset_data.h"
#include "detail/sql_error.h"
#include "runtime/error.h"

#include <sqlite3.h>

namespace rt {

using namespace dao_error;

QueryDef::QueryDef(std::shared_ptr<detail::Connection> connection,
                   std::shared_ptr<const detail::QueryText> text)
    : connection_(std::move(connection)), text_(std::move(text)) {}

QString QueryDef::name() const {
    return text_->name;
}

QString QueryDef::sql() const {
    return text_->sql;
}

detail::Statement& QueryDef::statement() const {
    return connection_->programStatement(text_->sql);
}

void QueryDef::setParameter(int position, const Value& value) {
    const int count = sqlite3_bind_parameter_count(statement().stmt);
    if (position < 0 || position >= count)
        throw RuntimeError(NotInCollection,
                           QStringLiteral("Item %1 not found in this collection.").arg(position));
    values_.resize(size_t(count));
    set_.resize(size_t(count));
    values_[size_t(position)] = value;
    set_[size_t(position)] = 1;
}

void QueryDef::setParameter(QAnyStringView name, const Value& value) {
    const QByteArray marker = ':' + name.toString().toUtf8();
    const int index = sqlite3_bind_parameter_index(statement().stmt, marker.constData());
    if (index == 0)
        throw RuntimeError(NotInCollection,
                           QStringLiteral("Item '%1' not found in this collection.").arg(name.toString()));
    setParameter(index - 1, value);
}

std::vector<Value> QueryDef::boundValues() const {
    const int count = sqlite3_bind_parameter_count(statement().stmt);
    int missing = 0;
    for (int i = 0; i < count; ++i) missing += size_t(i) >= set_.size() || !set_[size_t(i)];
    if (missing)
        throw RuntimeError(TooFewParameters, QStringLiteral("Too few parameters. Expected %1.").arg(missing));
    return values_;
}

Recordset QueryDef::open(RecordsetType type) {
    detail::Statement& s = statement();
    if (sqlite3_column_count(s.stmt) == 0 || type == RecordsetType::Table)
        throw RuntimeError(InvalidOperation,
                           QStringLiteral("Invalid operation: '%1' returns no rows.").arg(name()));
    auto data = std::make_shared<detail::RecordsetData>();
    data->connection = connection_;
    data->type = type;
    data->rows = connection_->select(s, boundValues());
    if (type == RecordsetType::Dynaset && !connection_->readOnly()) {
        if (!text_->updateTable.isEmpty())
            data->target = detail::Connection::targetFor(
                *data->rows.fields, detail::quoteName(text_->updateTable), text_->updateKey);
        else if (const detail::Target* t = connection_->derivedTarget(s))
            data->target = *t;
    }
    return Recordset(std::move(data));
}

void QueryDef::execute() {
    detail::Statement& s = statement();
    if (sqlite3_column_count(s.stmt) != 0)
        throw RuntimeError(CannotExecuteSelect, QStringLiteral("Cannot execute a select query."));
    connection_->run(s, boundValues());
}

} // namespace rt
