#pragma once

#include "runtime/value/value.h"

#include <QList>
#include <QStringView>
#include <span>

namespace rt {

using DispId = qint32;

// How a member is reached; a member's `kinds` is the set of these it accepts.
enum class CallKind { Method = 1, Get = 2, Let = 4, Set = 8 };

// One row of a control's published member table; `type` is the type of the property or of the method's
// result (Empty for none or any).
struct Member {
    DispId id;
    const char* name;
    int kinds;
    VarType type = VarType::Empty;
};

// Arguments by reference: the callee may write into them and the caller reads them back.
using Args = QList<Value>;

// Late-bound calls by dispatch id, as the hosts make them.
class Dispatch {
public:
    virtual ~Dispatch() = default;
    // Error 438 for an unknown id or a kind the member does not take, 13 for a wrong type, 380 for an
    // invalid value.
    virtual Value invoke(DispId id, CallKind kind, Args& args) = 0;
    virtual std::span<const Member> members() const = 0;
    // The id of a member by name, without regard to case; -1 when there is none.
    virtual DispId idOfName(QStringView name) const;

protected:
    // The member `id` of the table; throws 438 unless there is one that takes `kind`.
    const Member& checkMember(DispId id, CallKind kind) const;
};

Value get(Dispatch& d, DispId id, Args args = {});
void let(Dispatch& d, DispId id, Value value);
void set(Dispatch& d, DispId id, Value value);
Value call(Dispatch& d, DispId id, Args& args);
Value call(Dispatch& d, DispId id, Args&& args = {});

// The argument at `index`, or error 449 (argument not optional) when the caller passed too few.
const Value& argument(const Args& args, qsizetype index);

} // namespace rt
