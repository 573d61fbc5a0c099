#pragma once

#include "runtime/dao/database.h"

#include <QObject>

namespace rt {

// The data control a bound grid shows: the rows of one SQL text on an open database (its connection,
// not a second opening) and the current row, which the grid follows and sets. Bookmarks are the
// recordset's, so a clone moved to `bookmark()` reads the current row.
class DataControl : public QObject {
    Q_OBJECT
public:
    explicit DataControl(QObject* parent = nullptr);

    // DatabaseName, RecordSource and Refresh at once: the rows are read again, the first current.
    void bind(Database& database, const QString& sql);
    bool isBound() const;

    // The recordset's ends: both when there are no rows, and before binding.
    bool bof() const;
    bool eof() const;
    int recordCount() const;
    Value field(QAnyStringView name) const; // of the current row
    Recordset clone() const;

    // The current row's bookmark, -1 at an end.
    int bookmark() const;
    void setBookmark(int bookmark);
    bool findFirst(QAnyStringView name, const Value& value); // false: nothing found, no move

    // Deletes the current row from the file; the next row becomes current (the previous one after the
    // last).
    void remove();
    // Writes one field of a row to the file; the current row stays.
    void writeField(int bookmark, QAnyStringView name, const Value& value);

signals:
    void rowsReset();
    void currentMoved();
    void rowRemoved(int bookmark);
    void rowChanged(int bookmark);

private:
    Recordset rs_;
    bool bound_ = false;
};

} // namespace rt
