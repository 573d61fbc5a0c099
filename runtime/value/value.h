#pragma once

#include <QString>
#include <QtGlobal>
#include <variant>

namespace rt {

class Dispatch;

// The variant type of the programs' values. Integer is 16-bit, Long 32-bit; a Date is a whole day count
// (day 0 is 30 December 1899, the zero date).
enum class VarType { Empty, Null, Boolean, Integer, Long, Double, Date, String, Object };

class Value {
public:
    Value() = default; // Empty
    Value(const QString& text) : v_(text) {}
    Value(const char* text) : v_(QString::fromUtf8(text)) {}

    static Value null();
    static Value boolean(bool b);
    static Value integer(qint16 n);
    static Value longInt(qint32 n);
    static Value real(double d);
    static Value date(qint32 days);
    static Value object(Dispatch* object);

    VarType type() const;
    bool isEmpty() const { return type() == VarType::Empty; }
    bool isNull() const { return type() == VarType::Null; }
    bool isNumeric() const; // a number, a date, a boolean, Empty, or a text that reads as a number

    // Conversions where the programs require a value of that type: Null is error 94, a text that is
    // no number error 13, a number out of range error 6 (rounding half to even).
    qint16 toInt16() const;
    qint32 toInt32() const;
    double toDouble() const;
    bool toBool() const;
    qint32 toDate() const;
    QString toString() const;
    Dispatch* toObject() const; // 13 when the value holds no object

    // Same type and value, or both numeric and equal; texts compare exactly.
    bool operator==(const Value& other) const;

private:
    struct NullTag {
        bool operator==(const NullTag&) const = default;
    };
    struct DateTag {
        qint32 days;
        bool operator==(const DateTag&) const = default;
    };
    using Storage =
        std::variant<std::monostate, NullTag, bool, qint16, qint32, double, DateTag, QString, Dispatch*>;
    explicit Value(Storage v) : v_(std::move(v)) {}
    Storage v_;
};

// The leading decimal number of a text, 0 when there is none ("12abc" gives 12, " -2.5e1x" gives -25).
double Val(const QString& text);

// Rounds half to even into the 16-bit or 32-bit range; error 6 outside it (and for NaN).
qint16 roundToInt16(double d);
qint32 roundToInt32(double d);

// A text as a number the way a conversion function reads it: the whole text, blanks around allowed.
// Error 13 when it is no number.
double parseNumber(const QString& text);

} // namespace rt
