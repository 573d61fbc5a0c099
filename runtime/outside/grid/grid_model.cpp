#include "grid_model.h"

#include "data_control.h"
#include "runtime/dao/dao_errors.h"
#include "runtime/error.h"

#include <algorithm>

namespace rt {

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {}

void GridModel::setDataSource(DataControl* data) {
    if (data_) disconnect(data_, nullptr, this, nullptr);
    data_ = data;
    if (data_) {
        connect(data_, &DataControl::rowsReset, this, &GridModel::reload);
        connect(data_, &DataControl::rowRemoved, this, [this](int bookmark) {
            const int row = rowOf(bookmark);
            if (row < 0) return;
            beginRemoveRows({}, row, row);
            bookmarks_.erase(bookmarks_.begin() + row);
            endRemoveRows();
        });
        connect(data_, &DataControl::rowChanged, this, [this](int bookmark) {
            const int row = rowOf(bookmark);
            if (row >= 0) emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        });
    }
    reload();
}

void GridModel::reload() {
    beginResetModel();
    bookmarks_.clear();
    reader_ = Recordset();
    if (data_ && data_->isBound()) {
        reader_ = data_->clone();
        for (; !reader_.eof(); reader_.moveNext()) bookmarks_.push_back(reader_.bookmark());
    }
    resolveFields();
    endResetModel();
}

void GridModel::setColumns(const QList<GridColumn>& columns) {
    beginResetModel();
    columns_ = columns;
    resolveFields();
    endResetModel();
}

void GridModel::setHeaderRowField(const QString& field) {
    beginResetModel();
    headerField_ = field;
    resolveFields();
    endResetModel();
}

int GridModel::fieldIndex(const QString& name) const {
    if (!data_ || !data_->isBound() || name.isEmpty()) return -1;
    for (int i = 0; i < reader_.fieldCount(); ++i)
        if (reader_.fieldName(i).compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

void GridModel::resolveFields() {
    fieldIndexes_.clear();
    firstVisible_ = -1;
    for (qsizetype c = 0; c < columns_.size(); ++c) {
        fieldIndexes_.push_back(fieldIndex(columns_[c].field));
        if (firstVisible_ < 0 && columns_[c].visible) firstVisible_ = int(c);
    }
    headerIndex_ = fieldIndex(headerField_);
}

void GridModel::checkFields() const {
    if (!data_ || !data_->isBound()) return;
    for (qsizetype c = 0; c < columns_.size(); ++c)
        if (fieldIndexes_[size_t(c)] < 0)
            throw RuntimeError(
                dao_error::NotInCollection,
                QStringLiteral("Item '%1' not found in this collection.").arg(columns_[c].field));
}

int GridModel::bookmarkOf(int row) const {
    return row >= 0 && row < int(bookmarks_.size()) ? bookmarks_[size_t(row)] : -1;
}

int GridModel::rowOf(int bookmark) const {
    const auto it = std::lower_bound(bookmarks_.begin(), bookmarks_.end(), bookmark);
    return it != bookmarks_.end() && *it == bookmark ? int(it - bookmarks_.begin()) : -1;
}

Value GridModel::value(int row, int column) const {
    const int field = fieldIndexes_[size_t(column)];
    if (field < 0) return Value::null();
    reader_.setBookmark(bookmarks_[size_t(row)]);
    return reader_.field(field);
}

bool GridModel::isHeaderRow(int row) const {
    if (headerIndex_ < 0) return false;
    reader_.setBookmark(bookmarks_[size_t(row)]);
    const Value v = reader_.field(headerIndex_);
    return !v.isNull() && v.isNumeric() && v.toBool();
}

QString GridModel::shown(int row, int column) const {
    if (column != firstVisible_ && isHeaderRow(row)) return {};
    const Value v = value(row, column);
    if (const auto& format = columns_[column].format) return format(v);
    return v.isNull() ? QString() : v.toString();
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(bookmarks_.size());
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    // A paint cannot take an error: a value that fails to read or format shows nothing.
    try {
        switch (role) {
        case Qt::DisplayRole: return shown(index.row(), index.column());
        case Qt::EditRole: {
            const Value v = value(index.row(), index.column());
            return v.isNull() ? QString() : v.toString();
        }
        case Qt::TextAlignmentRole: {
            const VarType t = value(index.row(), index.column()).type();
            const bool number = t == VarType::Integer || t == VarType::Long || t == VarType::Double;
            return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
        }
        case HeaderRowRole: return isHeaderRow(index.row());
        default: return {};
        }
    } catch (const RuntimeError&) {
        return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (columns_[index.column()].editable) f |= Qt::ItemIsEditable;
    return f;
}

} // namespace rt
