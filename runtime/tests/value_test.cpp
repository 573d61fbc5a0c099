#include "runtime/error.h"
#include "runtime/value/date.h"
#include "runtime/value/value.h"

#include <gtest/gtest.h>
#include <variant>

using rt::RuntimeError;
using rt::Value;

namespace {

// A conversion's outcome: the number it gives, or the error number it raises.
using Outcome = std::variant<double, int>;
Outcome error(int n) {
    return Outcome(std::in_place_index<1>, n);
}

template <class F> Outcome outcome(F f) {
    try {
        return Outcome(std::in_place_index<0>, double(f()));
    } catch (const RuntimeError& e) {
        return error(e.number);
    }
}

struct Case {
    const char* name;
    Value value;
    Outcome int16, int32;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class ValueConversion : public ::testing::TestWithParam<Case> {};

TEST_P(ValueConversion, ToIntegers) {
    const Case& c = GetParam();
    EXPECT_EQ(outcome([&] { return c.value.toInt16(); }), c.int16);
    EXPECT_EQ(outcome([&] { return c.value.toInt32(); }), c.int32);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ValueConversion,
    ::testing::Values(Case{"empty", Value(), 0.0, 0.0}, Case{"half_down_to_even", Value::real(2.5), 2.0, 2.0},
                      Case{"half_up_to_even", Value::real(3.5), 4.0, 4.0},
                      Case{"negative_half", Value::real(-2.5), -2.0, -2.0},
                      Case{"int16_top", Value::real(32767.4), 32767.0, 32767.0},
                      Case{"int16_overflow", Value::real(32767.5), error(6), 32768.0},
                      Case{"int16_bottom_tie", Value::real(-32768.5), -32768.0, -32768.0},
                      Case{"long_overflow", Value::real(2147483647.5), error(6), error(6)},
                      Case{"long_fits", Value::longInt(40000), error(6), 40000.0},
                      Case{"text_number", Value(" 12.5 "), 12.0, 12.0},
                      Case{"text_not_number", Value("12abc"), error(13), error(13)},
                      Case{"empty_text", Value(""), error(13), error(13)},
                      Case{"null", Value::null(), error(94), error(94)},
                      Case{"true", Value::boolean(true), -1.0, -1.0},
                      Case{"date", Value::date(45000), error(6), 45000.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Val, ReadsTheLeadingDecimalNumber) {
    const std::pair<const char*, double> cases[] = {
        {"12abc", 12},  {"", 0},        {"abc", 0},  {"  -2.5", -2.5}, {"3.5 apples", 3.5},
        {"1e3x", 1000}, {"1e", 1},      {".5", 0.5}, {"+7", 7},        {"99999", 99999},
        {"-", 0},       {"\t42\n", 42}, {"4,5", 4},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_DOUBLE_EQ(rt::Val(QString::fromUtf8(text)), expected) << text;
}

TEST(ValueText, ConvertsToTextAndBack) {
    EXPECT_EQ(Value::boolean(true).toString(), "True");
    EXPECT_EQ(Value::real(2.5).toString(), "2.5");
    EXPECT_EQ(Value::integer(-3).toString(), "-3");
    EXPECT_EQ(Value().toString(), "");
    EXPECT_EQ(Value::date(0).toString(), "12/30/1899");
    EXPECT_EQ(Value("1/5/2026").toDate(), rt::daysFromDate(QDate(2026, 1, 5)));
    EXPECT_EQ(Value("2026-01-05").toDate(), rt::daysFromDate(QDate(2026, 1, 5)));
    EXPECT_EQ(Value("1/5/26").toDate(), rt::daysFromDate(QDate(2026, 1, 5)));
    EXPECT_THROW(Value::null().toString(), RuntimeError);
    EXPECT_THROW(Value("not a date").toDate(), RuntimeError);
}

TEST(ValueBoolean, TextAndNumbers) {
    EXPECT_TRUE(Value("true").toBool());
    EXPECT_FALSE(Value(" FALSE ").toBool());
    EXPECT_TRUE(Value("-1").toBool());
    EXPECT_FALSE(Value::integer(0).toBool());
    try {
        (void)Value("yes").toBool();
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number, 13);
    }
    try {
        (void)Value::null().toBool();
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number, 94);
        EXPECT_EQ(e.description, "Invalid use of Null");
    }
}

TEST(ValueEquality, NumbersAcrossTypesTextsExactly) {
    EXPECT_EQ(Value::integer(3), Value::longInt(3));
    EXPECT_EQ(Value::real(3.0), Value::integer(3));
    EXPECT_NE(Value("a"), Value("A"));
    EXPECT_NE(Value("3"), Value::integer(3));
    EXPECT_EQ(Value::null(), Value::null());
    EXPECT_NE(Value(), Value::null());
}

TEST(Dates, ZeroDateAndWeekdays) {
    EXPECT_EQ(rt::dateFromDays(0), QDate(1899, 12, 30));
    EXPECT_EQ(rt::weekday(rt::daysFromDate(QDate(2026, 12, 6))), 1); // a Sunday
    EXPECT_EQ(rt::weekday(rt::daysFromDate(QDate(2026, 12, 12))), 7);
    EXPECT_EQ(rt::weekday(0), 7); // 30 December 1899 was a Saturday
}

} // namespace
