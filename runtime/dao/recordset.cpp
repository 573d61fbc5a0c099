#include "recordset.h"

#include "dao_errors.h"
#include "detail/recordset_data.h"
#include "detail/sql_error.h"
#include "runtime/error.h"

#include <algorithm>

namespace rt {

using namespace dao_error;

namespace {

template <class C> char16_t unit(C c) {
    if constexpr (std::is_same_v<C, QChar>)
        return c.unicode();
    else
        return char16_t(static_cast<unsigned char>(c));
}

// Field names compare without regard to case. Names are nearly always ASCII and are looked up for every
// field of every row, so lengths and ASCII letters are compared first. Only a name beyond ASCII
// (`ascii` false) can match a field of another length: a UTF-8 name is longer than its text.
bool sameName(const QString& field, QAnyStringView name, bool ascii) {
    if (field.size() != name.size())
        return !ascii && QAnyStringView::compare(field, name, Qt::CaseInsensitive) == 0;
    return name.visit([&](auto view) {
        const char16_t* f = reinterpret_cast<const char16_t*>(field.utf16());
        for (qsizetype i = 0; i < view.size(); ++i) {
            const char16_t a = f[i], b = unit(view.data()[i]);
            if (a == b) continue;
            if (a >= 0x80 || b >= 0x80) return QAnyStringView::compare(field, view, Qt::CaseInsensitive) == 0;
            if ((a | 0x20) != (b | 0x20) || (a | 0x20) < u'a' || (a | 0x20) > u'z') return false;
        }
        return true;
    });
}

bool isAscii(QAnyStringView name) {
    return name.visit([](auto view) {
        return std::all_of(view.begin(), view.end(), [](auto c) { return unit(c) < 0x80; });
    });
}

} // namespace

struct Recordset::State {
    std::shared_ptr<detail::RecordsetData> data;
    int position = 0; // a row, or -1 before the first, or count() after the last
    enum class Mode { None, Adding, Editing } mode = Mode::None;
    std::vector<Value> pending;
    std::vector<char> changed;

    detail::Rows& rows() {
        if (!data->loaded) {
            data->rows = data->connection->select(data->connection->programStatement(data->loadSql, 1), {});
            data->loaded = true;
        }
        return data->rows;
    }
    int live() { return rows().live(); }
    int next(int from) {
        const detail::Rows& r = rows();
        int p = from + 1;
        while (p < r.count() && r.deleted[size_t(p)]) ++p;
        return p;
    }
    int previous(int from) {
        const detail::Rows& r = rows();
        int p = from - 1;
        while (p >= 0 && r.deleted[size_t(p)]) --p;
        return p;
    }
    bool atBof() { return live() == 0 || position < 0; }
    bool atEof() { return live() == 0 || position >= rows().count(); }
    int current() {
        if (atBof() || atEof()) throw RuntimeError(NoCurrentRecord, QStringLiteral("No current record."));
        if (rows().deleted[size_t(position)])
            throw RuntimeError(RecordDeleted, QStringLiteral("Record is deleted."));
        return position;
    }
    int fieldIndex(QAnyStringView name) const {
        const detail::Columns& fields = *data->rows.fields;
        const bool ascii = isAscii(name);
        for (size_t i = 0; i < fields.size(); ++i)
            if (sameName(fields[i].name, name, ascii)) return int(i);
        throw RuntimeError(NotInCollection,
                           QStringLiteral("Item '%1' not found in this collection.").arg(name.toString()));
    }
    const detail::Target& target() const {
        if (!data->target)
            throw RuntimeError(ReadOnly, QStringLiteral("Cannot update: the recordset is read-only."));
        return *data->target;
    }
    void forwardOnly() const {
        if (data->type == RecordsetType::ForwardOnly)
            throw RuntimeError(InvalidOperation,
                               QStringLiteral("Invalid operation on a forward-only recordset."));
    }
    Value key(int row) {
        const detail::Target& t = target();
        if (t.keyField >= 0) return rows().cells[size_t(row * rows().width() + t.keyField)];
        const qint64 rowid = rows().rowids[size_t(row)];
        return rowid == qint32(rowid) ? Value::longInt(qint32(rowid)) : Value::real(double(rowid));
    }
    void begin(Mode m) {
        mode = m;
        pending.assign(size_t(data->rows.width()), Value());
        changed.assign(size_t(data->rows.width()), 0);
    }
};

Recordset::Recordset() = default;
Recordset::Recordset(std::shared_ptr<detail::RecordsetData> data) : s_(std::make_unique<State>()) {
    s_->data = std::move(data);
}
Recordset::~Recordset() = default;
Recordset::Recordset(Recordset&&) noexcept = default;
Recordset& Recordset::operator=(Recordset&&) noexcept = default;

Recordset::State& Recordset::state() const {
    if (!s_) throw RuntimeError(ObjectClosed, QStringLiteral("The recordset has been closed."));
    return *s_;
}

bool Recordset::bof() const {
    return state().atBof();
}

bool Recordset::eof() const {
    return state().atEof();
}

void Recordset::moveFirst() {
    State& s = state();
    if (s.position > 0) s.forwardOnly();
    if (s.live() == 0) throw RuntimeError(NoCurrentRecord, QStringLiteral("No current record."));
    s.mode = State::Mode::None;
    s.position = s.next(-1);
}

void Recordset::moveNext() {
    State& s = state();
    if (s.atEof()) throw RuntimeError(NoCurrentRecord, QStringLiteral("No current record."));
    s.mode = State::Mode::None;
    s.position = s.next(s.position);
}

void Recordset::movePrevious() {
    State& s = state();
    s.forwardOnly();
    if (s.atBof()) throw RuntimeError(NoCurrentRecord, QStringLiteral("No current record."));
    s.mode = State::Mode::None;
    s.position = s.previous(s.position);
}

void Recordset::moveLast() {
    State& s = state();
    if (s.live() == 0) throw RuntimeError(NoCurrentRecord, QStringLiteral("No current record."));
    s.mode = State::Mode::None;
    s.position = s.previous(s.rows().count());
}

int Recordset::recordCount() const {
    return state().live();
}

int Recordset::fieldCount() const {
    return state().data->rows.width();
}

QString Recordset::fieldName(int index) const {
    const detail::Columns& fields = *state().data->rows.fields;
    if (index < 0 || index >= int(fields.size()))
        throw RuntimeError(NotInCollection, QStringLiteral("Item not found in this collection."));
    return fields[size_t(index)].name;
}

Value Recordset::field(QAnyStringView name) const {
    return field(state().fieldIndex(name));
}

Value Recordset::field(int index) const {
    State& s = state();
    fieldName(index);
    if (s.mode != State::Mode::None && s.changed[size_t(index)]) return s.pending[size_t(index)];
    if (s.mode == State::Mode::Adding) return s.pending[size_t(index)];
    const int row = s.current();
    return s.rows().cells[size_t(row * s.rows().width() + index)];
}

bool Recordset::updatable() const {
    return state().data->target.has_value();
}

void Recordset::addNew() {
    State& s = state();
    s.target();
    s.begin(State::Mode::Adding);
}

void Recordset::edit() {
    State& s = state();
    s.target();
    const int row = s.current();
    s.begin(State::Mode::Editing);
    const int w = s.rows().width();
    for (int i = 0; i < w; ++i) s.pending[size_t(i)] = s.rows().cells[size_t(row * w + i)];
}

void Recordset::setField(QAnyStringView name, const Value& value) {
    State& s = state();
    const int index = s.fieldIndex(name);
    if (s.mode == State::Mode::None)
        throw RuntimeError(UpdateWithoutEdit,
                           QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    if (s.target().columns[size_t(index)].isEmpty())
        throw RuntimeError(FieldNotUpdatable,
                           QStringLiteral("Field '%1' cannot be updated.").arg(name.toString()));
    s.pending[size_t(index)] = value;
    s.changed[size_t(index)] = 1;
}

void Recordset::update() {
    State& s = state();
    if (s.mode == State::Mode::None)
        throw RuntimeError(UpdateWithoutEdit,
                           QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    s.target();
    std::vector<Value> values;
    values.reserve(s.changed.size() + 1);
    for (size_t i = 0; i < s.changed.size(); ++i)
        if (s.changed[i]) values.push_back(s.pending[i]);
    detail::Connection& c = *s.data->connection;
    if (s.mode == State::Mode::Adding) {
        c.run(c.ownStatement(s.data->writeSql(s.changed, true)), values);
    } else if (!values.empty()) {
        const int row = s.current();
        values.push_back(s.key(row));
        c.run(c.ownStatement(s.data->writeSql(s.changed, false)), values);
        const int w = s.rows().width();
        for (int i = 0; i < w; ++i)
            if (s.changed[size_t(i)]) s.rows().cells[size_t(row * w + i)] = s.pending[size_t(i)];
    }
    s.mode = State::Mode::None;
}

void Recordset::remove() {
    State& s = state();
    const detail::Target& t = s.target();
    const int row = s.current();
    detail::Connection& c = *s.data->connection;
    c.run(c.ownStatement(QStringLiteral("DELETE FROM %1 WHERE %2 = ?1").arg(t.table, t.key)), {s.key(row)});
    s.rows().deleted[size_t(row)] = 1;
    ++s.rows().deletedCount;
    s.mode = State::Mode::None;
}

Recordset Recordset::clone() const {
    State& s = state();
    s.forwardOnly();
    Recordset copy(s.data);
    copy.s_->position = s.next(-1);
    return copy;
}

int Recordset::bookmark() const {
    State& s = state();
    s.forwardOnly();
    return s.current();
}

void Recordset::setBookmark(int bookmark) {
    State& s = state();
    s.forwardOnly();
    if (bookmark < 0 || bookmark >= s.rows().count() || s.rows().deleted[size_t(bookmark)])
        throw RuntimeError(BadBookmark, QStringLiteral("Not a valid bookmark."));
    s.mode = State::Mode::None;
    s.position = bookmark;
}

bool Recordset::findFirst(QAnyStringView name, const Value& value) {
    State& s = state();
    const int index = s.fieldIndex(name);
    const detail::Rows& r = s.rows();
    for (int row = 0; row < r.count(); ++row) {
        if (r.deleted[size_t(row)] || !(r.cells[size_t(row * r.width() + index)] == value)) continue;
        s.mode = State::Mode::None;
        s.position = row;
        return true;
    }
    return false;
}

void Recordset::close() {
    s_.reset();
}

} // namespace rt
