#include "data_control.h"

namespace rt {

DataControl::DataControl(QObject* parent) : QObject(parent) {}

void DataControl::bind(Database& database, const QString& sql) {
    Recordset fresh = database.openSql(sql);
    if (fresh.recordCount() > 0) fresh.moveFirst();
    rs_ = std::move(fresh);
    bound_ = true;
    emit rowsReset();
}

bool DataControl::isBound() const {
    return bound_;
}

bool DataControl::bof() const {
    return !bound_ || rs_.bof();
}

bool DataControl::eof() const {
    return !bound_ || rs_.eof();
}

int DataControl::recordCount() const {
    return bound_ ? rs_.recordCount() : 0;
}

Value DataControl::field(QAnyStringView name) const {
    return rs_.field(name);
}

Recordset DataControl::clone() const {
    return rs_.clone();
}

int DataControl::bookmark() const {
    return bof() || eof() ? -1 : rs_.bookmark();
}

void DataControl::setBookmark(int bookmark) {
    if (bookmark == this->bookmark()) return;
    rs_.setBookmark(bookmark);
    emit currentMoved();
}

bool DataControl::findFirst(QAnyStringView name, const Value& value) {
    const int before = bookmark();
    if (!rs_.findFirst(name, value)) return false;
    if (bookmark() != before) emit currentMoved();
    return true;
}

void DataControl::remove() {
    const int removed = rs_.bookmark();
    rs_.remove();
    if (rs_.recordCount() > 0) {
        rs_.moveNext();
        if (rs_.eof()) rs_.moveLast();
    }
    emit rowRemoved(removed);
    emit currentMoved();
}

void DataControl::writeField(int bookmark, QAnyStringView name, const Value& value) {
    Recordset row = rs_.clone();
    row.setBookmark(bookmark);
    row.edit();
    row.setField(name, value);
    row.update();
    emit rowChanged(bookmark);
}

} // namespace rt
