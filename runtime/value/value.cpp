#include "value.h"

#include "../error.h"
#include "date.h"

#include <cmath>
#include <optional>

namespace rt {

namespace {

template <class... F> struct Overload : F... { using F::operator()...; };

std::optional<double> readNumber(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    bool ok = false;
    const double d = t.toDouble(&ok); // C locale: "." is the decimal point
    if (!ok || !std::isfinite(d)) return std::nullopt;
    return d;
}

QString formatDouble(double d) {
    if (d == std::floor(d) && std::fabs(d) < 1e15) return QString::number(static_cast<qint64>(d));
    return QString::number(d, 'g', 15);
}

} // namespace

Value Value::null() {
    return Value(Storage(NullTag{}));
}
Value Value::boolean(bool b) {
    return Value(Storage(b));
}
Value Value::integer(qint16 n) {
    return Value(Storage(n));
}
Value Value::longInt(qint32 n) {
    return Value(Storage(n));
}
Value Value::real(double d) {
    return Value(Storage(d));
}
Value Value::date(qint32 days) {
    return Value(Storage(DateTag{days}));
}
Value Value::object(Dispatch* object) {
    return Value(Storage(object));
}

VarType Value::type() const {
    static constexpr VarType types[] = {VarType::Empty,   VarType::Null,   VarType::Boolean,
                                        VarType::Integer, VarType::Long,   VarType::Double,
                                        VarType::Date,    VarType::String, VarType::Object};
    return types[v_.index()];
}

bool Value::isNumeric() const {
    switch (type()) {
    case VarType::Null:
    case VarType::Object: return false;
    case VarType::String: return readNumber(std::get<QString>(v_)).has_value();
    default: return true;
    }
}

double Value::toDouble() const {
    return std::visit(Overload{
                          [](std::monostate) { return 0.0; },
                          [](NullTag) -> double { throw RuntimeError(94); },
                          [](bool b) { return b ? -1.0 : 0.0; },
                          [](qint16 n) { return double(n); },
                          [](qint32 n) { return double(n); },
                          [](double d) { return d; },
                          [](DateTag d) { return double(d.days); },
                          [](const QString& s) { return parseNumber(s); },
                          [](Dispatch*) -> double { throw RuntimeError(13); },
                      },
                      v_);
}

qint16 Value::toInt16() const {
    if (const auto* n = std::get_if<qint16>(&v_)) return *n;
    return roundToInt16(toDouble());
}

qint32 Value::toInt32() const {
    if (const auto* n = std::get_if<qint32>(&v_)) return *n;
    if (const auto* n = std::get_if<qint16>(&v_)) return *n;
    return roundToInt32(toDouble());
}

qint32 Value::toDate() const {
    if (const auto* d = std::get_if<DateTag>(&v_)) return d->days;
    if (const auto* s = std::get_if<QString>(&v_)) {
        if (const auto days = parseDateText(*s)) return *days;
    }
    // A number stands for its day; the time of day is dropped.
    const double d = toDouble();
    if (d < -657434.0 || d > 2958465.0) throw RuntimeError(6);
    return static_cast<qint32>(std::floor(d));
}

bool Value::toBool() const {
    if (const auto* b = std::get_if<bool>(&v_)) return *b;
    if (const auto* s = std::get_if<QString>(&v_)) {
        const QString t = s->trimmed();
        if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
        if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
    }
    return toDouble() != 0.0;
}

QString Value::toString() const {
    return std::visit(Overload{
                          [](std::monostate) { return QString(); },
                          [](NullTag) -> QString { throw RuntimeError(94); },
                          [](bool b) { return QString::fromLatin1(b ? "True" : "False"); },
                          [](qint16 n) { return QString::number(n); },
                          [](qint32 n) { return QString::number(n); },
                          [](double d) { return formatDouble(d); },
                          [](DateTag d) { return formatDateText(d.days); },
                          [](const QString& s) { return s; },
                          [](Dispatch*) -> QString { throw RuntimeError(13); },
                      },
                      v_);
}

Dispatch* Value::toObject() const {
    if (const auto* o = std::get_if<Dispatch*>(&v_)) return *o;
    throw RuntimeError(13);
}

bool Value::operator==(const Value& other) const {
    if (v_.index() == other.v_.index()) return v_ == other.v_;
    const auto numberLike = [](const Value& v) {
        switch (v.type()) {
        case VarType::Boolean:
        case VarType::Integer:
        case VarType::Long:
        case VarType::Double:
        case VarType::Date: return true;
        default: return false;
        }
    };
    return numberLike(*this) && numberLike(other) && toDouble() == other.toDouble();
}

double Val(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    const auto blank = [&](qsizetype k) { return text[k] == u' ' || text[k] == u'\t' || text[k] == u'\n'; };
    while (i < n && blank(i)) ++i;
    QString number;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) number += text[i++];
    qsizetype digits = 0;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) number += text[i++], ++digits;
    if (i < n && text[i] == u'.') {
        number += text[i++];
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) number += text[i++], ++digits;
    }
    if (digits == 0) return 0.0;
    if (i < n && (text[i] == u'e' || text[i] == u'E' || text[i] == u'd' || text[i] == u'D')) {
        QString exponent = QStringLiteral("e");
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'-' || text[j] == u'+')) exponent += text[j++];
        const qsizetype start = j;
        while (j < n && text[j].isDigit() && text[j].unicode() < 128) exponent += text[j++];
        if (j > start) number += exponent;
    }
    const double d = number.toDouble();
    if (!std::isfinite(d)) throw RuntimeError(6);
    return d;
}

double parseNumber(const QString& text) {
    if (const auto d = readNumber(text)) return *d;
    throw RuntimeError(13);
}

qint16 roundToInt16(double d) {
    const double r = std::nearbyint(d); // the default rounding mode: half to even
    if (!(r >= -32768.0 && r <= 32767.0)) throw RuntimeError(6);
    return static_cast<qint16>(r);
}

qint32 roundToInt32(double d) {
    const double r = std::nearbyint(d);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) throw RuntimeError(6);
    return static_cast<qint32>(r);
}

} // namespace rt
