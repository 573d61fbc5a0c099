#pragma once

#include "grid_column.h"
#include "runtime/dao/recordset.h"

#include <QAbstractTableModel>
#include <vector>

namespace rt {

class DataControl;

// The rows of a data control as the grid's table: one row for each live record, one column for each
// grid column. Edits never pass through setData: the grid writes them through the data control.
class GridModel : public QAbstractTableModel {
public:
    // True for the cells of a heading row.
    static constexpr int HeaderRowRole = Qt::UserRole + 1;

    explicit GridModel(QObject* parent = nullptr);

    void setDataSource(DataControl* data);
    void setColumns(const QList<GridColumn>& columns);
    const QList<GridColumn>& columns() const { return columns_; }
    void setHeaderRowField(const QString& field);
    // The field of every column is found in the rows; error 3265 names one that is not.
    void checkFields() const;

    int bookmarkOf(int row) const;
    int rowOf(int bookmark) const; // -1 when the record is not shown
    Value value(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void reload();
    void resolveFields();
    int fieldIndex(const QString& name) const;
    bool isHeaderRow(int row) const;
    QString shown(int row, int column) const;

    DataControl* data_ = nullptr;
    QList<GridColumn> columns_;
    QString headerField_;
    mutable Recordset reader_; // a clone of the data control's recordset, moved to each row read
    std::vector<int> bookmarks_;
    std::vector<int> fieldIndexes_;
    int headerIndex_ = -1;
    int firstVisible_ = -1;
};

} // namespace rt
