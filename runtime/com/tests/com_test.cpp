#include "runtime/com/dispatch.h"
#include "runtime/com/olecolor.h"
#include "runtime/com/property_bag.h"
#include "runtime/com/twips.h"
#include "runtime/error.h"
#include "runtime/testing/error_of.h"

#include <gtest/gtest.h>

namespace {

// A two-member object: a property and a method that writes into its argument.
class Counter : public rt::Dispatch {
public:
    rt::Value invoke(rt::DispId id, rt::CallKind kind, rt::Args& args) override {
        checkMember(id, kind);
        if (id == 1) {
            if (kind == rt::CallKind::Get) return rt::Value::integer(value);
            value = rt::argument(args, 0).toInt16();
            return {};
        }
        args[0] = rt::Value::integer(args[0].toInt16() + value);
        return {};
    }
    std::span<const rt::Member> members() const override { return table; }

    qint16 value = 0;
    static constexpr rt::Member table[] = {
        {1, "Value", int(rt::CallKind::Get) | int(rt::CallKind::Let)},
        {2, "AddInto", int(rt::CallKind::Method)},
    };
};

using rt::errorOf;

TEST(Dispatch, MembersByIdKindAndName) {
    Counter c;
    rt::let(c, 1, rt::Value::integer(5));
    EXPECT_EQ(rt::get(c, 1).toInt16(), 5);
    rt::Args args{rt::Value::integer(2)};
    rt::call(c, 2, args);
    EXPECT_EQ(args[0].toInt16(), 7); // by reference
    EXPECT_EQ(c.idOfName(u"addinto"), 2);
    EXPECT_EQ(c.idOfName(u"nothing"), -1);
    EXPECT_EQ(errorOf([&] { rt::get(c, 3); }), 438);
    EXPECT_EQ(errorOf([&] { rt::set(c, 1, rt::Value::integer(1)); }), 438);
    EXPECT_EQ(errorOf([&] { rt::call(c, 1); }), 438);
    EXPECT_EQ(errorOf([&] { c.invoke(1, rt::CallKind::Let, args = {}); }), 449);
    EXPECT_EQ(errorOf([&] { rt::let(c, 1, rt::Value("x")); }), 13);
}

TEST(MapPropertyBag, DefaultsAreNotStored) {
    rt::MapPropertyBag bag;
    bag.writeProperty("A", rt::Value::integer(1), rt::Value::integer(1));
    bag.writeProperty("B", rt::Value("x"), rt::Value(""));
    EXPECT_FALSE(bag.stored().contains("A"));
    EXPECT_EQ(bag.readProperty("B", rt::Value("")).toString(), "x");
    EXPECT_EQ(bag.readProperty("A", rt::Value::integer(9)).toInt16(), 9);
    bag.writeProperty("B", rt::Value(""), rt::Value(""));
    EXPECT_FALSE(bag.stored().contains("B"));
    EXPECT_EQ(bag.log.size(), 5);
}

TEST(OleColor, ExplicitAndSystemColours) {
    QPalette p;
    p.setColor(QPalette::Button, QColor(1, 2, 3));
    p.setColor(QPalette::ButtonText, QColor(4, 5, 6));
    EXPECT_EQ(rt::olecolor::toQColor(0x00FF0000, p), QColor(0, 0, 255));
    EXPECT_EQ(rt::olecolor::toQColor(rt::olecolor::buttonFace, p), QColor(1, 2, 3));
    EXPECT_EQ(rt::olecolor::toQColor(rt::olecolor::buttonText, p), QColor(4, 5, 6));
    EXPECT_EQ(rt::olecolor::fromQColor(QColor(0x12, 0x34, 0x56)), 0x563412u);
    EXPECT_TRUE(rt::olecolor::isValid(0xFFFFFF) && rt::olecolor::isValid(0x80000018));
    EXPECT_FALSE(rt::olecolor::isValid(0x1000000) || rt::olecolor::isValid(0x80000019));
    EXPECT_EQ(rt::twips::toPx(1800), 120);
    EXPECT_EQ(rt::twips::fromPx(2), 30);
}

} // namespace
