#pragma once

#include "runtime/dao/database.h"

#include <QString>
#include <array>
#include <map>

namespace rt {

// A selection formula read: "{Table.Field}=<integer>", or every row when empty.
struct Selection {
    bool all = true;
    QString table, field;
    qint64 value = 0;
};
// 20515 for any other text.
Selection parseSelectionFormula(const QString& formula);

// The data files of one report, each opened read-only when a layout first reads it, and the selection
// that picks the rows of the layout's main table.
class ReportData {
public:
    ReportData(const std::array<QString, 5>& files, const Selection& selection);

    // The layout's main table, in data file `index`: 20515 when the selection names another table or a
    // field it lacks.
    void selectOn(int index, const QString& mainTable);
    bool selectsAll() const { return selection_.all; }
    // The rows of the main table that the selection picks and that meet `condition`.
    Recordset selectedRows(const QString& condition, const QString& order);
    // The rows of a table of data file `index` that meet `condition` (SQL, or empty), in `order` (SQL, or
    // empty). 20507 for a data file not given or not there, 20532 when it cannot be read.
    Recordset rows(int index, const QString& table, const QString& condition = {}, const QString& order = {});

private:
    Database& database(int index);

    std::array<QString, 5> files_;
    Selection selection_;
    int mainIndex_ = 0;
    QString mainTable_;
    std::map<QString, Database> open_;
};

// A field as text; Null gives the empty text.
QString fieldText(const Recordset& rows, QAnyStringView name);

} // namespace rt
