#pragma once

#include "recordset.h"

#include <QAnyStringView>
#include <QString>
#include <memory>
#include <vector>

namespace rt {

namespace detail {
class Connection;
struct QueryText;
struct Statement;
} // namespace detail

// A saved query of a database. Parameters are set by position from 0 or, where the query declares one
// (":id"), by name; every parameter must be set before it runs.
class QueryDef {
public:
    QueryDef(std::shared_ptr<detail::Connection> connection, std::shared_ptr<const detail::QueryText> text);

    QString name() const;
    QString sql() const;
    void setParameter(int position, const Value& value); // 3265 beyond the query's parameters
    void setParameter(QAnyStringView name, const Value& value);
    Recordset open(RecordsetType type = RecordsetType::Dynaset);
    void execute(); // an action query; 3065 for a select

private:
    detail::Statement& statement() const;
    std::vector<Value> boundValues() const;

    std::shared_ptr<detail::Connection> connection_;
    std::shared_ptr<const detail::QueryText> text_;
    std::vector<Value> values_;
    std::vector<char> set_;
};

} // namespace rt
