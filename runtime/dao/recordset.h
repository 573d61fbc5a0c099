#pragma once

#include "runtime/value/value.h"

#include <QAnyStringView>
#include <QString>
#include <memory>

namespace rt {

namespace detail {
struct RecordsetData;
}

// The engine's recordset types, with its numbers.
enum class RecordsetType { Table = 1, Dynaset = 2, Snapshot = 4, ForwardOnly = 8 };

// The rows of a table or a query, read into memory at open (a table's at first use). Fields are found by
// name without regard to case; Null stays Null. A table, or a dynaset over one table whose key is among
// its fields, is updatable: AddNew, Edit, Update and Delete write through to the file at once.
class Recordset {
public:
    Recordset();
    explicit Recordset(std::shared_ptr<detail::RecordsetData> data);
    ~Recordset();
    Recordset(Recordset&&) noexcept;
    Recordset& operator=(Recordset&&) noexcept;

    bool bof() const;
    bool eof() const;
    void moveFirst();
    void moveNext();
    void movePrevious();
    void moveLast();
    int recordCount() const;

    int fieldCount() const;
    QString fieldName(int index) const;
    Value field(QAnyStringView name) const;
    Value field(int index) const;

    bool updatable() const;
    void addNew();
    void edit();
    void setField(QAnyStringView name, const Value& value);
    void update();
    void remove();

    Recordset clone() const;
    int bookmark() const;
    void setBookmark(int bookmark);
    // Moves to the first row whose field equals the value; false (and no move) when there is none.
    bool findFirst(QAnyStringView name, const Value& value);
    void close();

private:
    struct State;
    State& state() const;
    std::unique_ptr<State> s_;
};

} // namespace rt
