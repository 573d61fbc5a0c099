#include "runtime/com/event_args.h"
#include "runtime/com/font_object.h"
#include "runtime/com/picture_object.h"
#include "runtime/error.h"
#include "runtime/testing/error_of.h"

#include <gtest/gtest.h>

namespace {

using rt::errorOf;

TEST(FontObject, MembersChangeTheFontAndReachTheControl) {
    QFont applied;
    rt::FontObject font([&](const QFont& f) { applied = f; });
    font.setFont(QFont("Arial", 8));
    rt::let(font, 3, rt::Value::boolean(true)); // Bold
    rt::let(font, 2, rt::Value::real(8.25));    // Size
    rt::let(font, 0, rt::Value("Courier New")); // Name
    EXPECT_EQ(applied.family(), "Courier New");
    EXPECT_TRUE(applied.bold());
    EXPECT_DOUBLE_EQ(applied.pointSizeF(), 8.25);
    EXPECT_EQ(rt::get(font, 0).toString(), "Courier New");
    EXPECT_EQ(errorOf([&] { rt::let(font, 2, rt::Value::real(0)); }), 380);
    EXPECT_EQ(errorOf([&] { rt::let(font, 1, rt::Value("x")); }), 438);
    EXPECT_EQ(&rt::fontObjectOf(rt::Value::object(&font)), &font);
    EXPECT_EQ(errorOf([] { rt::fontObjectOf(rt::Value::object(nullptr)); }), 13);
    EXPECT_EQ(errorOf([] { rt::fontObjectOf(rt::Value("Arial")); }), 13);
}

TEST(BagValues, FontsAndPicturesRoundTripAndBadValuesAreRefused) {
    QFont font("Arial", 9);
    font.setPointSizeF(8.25);
    font.setItalic(true);
    EXPECT_EQ(rt::fontFromValue(rt::fontValue(font)), font);
    EXPECT_EQ(rt::fontValue(font), rt::fontValue(QFont(font)));
    EXPECT_EQ(errorOf([] { rt::fontFromValue(rt::Value::integer(1)); }), 13);
    EXPECT_EQ(errorOf([] { rt::fontFromValue(rt::Value("")); }), 380);

    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(QColor(10, 20, 30));
    EXPECT_EQ(rt::pictureFromValue(rt::pictureValue(image)).pixelColor(2, 1), QColor(10, 20, 30));
    EXPECT_EQ(rt::pictureValue(QImage()), rt::Value::object(nullptr));
    EXPECT_TRUE(rt::pictureFromValue(rt::Value::object(nullptr)).isNull());
    EXPECT_EQ(errorOf([] { rt::pictureFromValue(rt::Value("not a picture")); }), 380);
    EXPECT_EQ(errorOf([] { rt::pictureFromValue(rt::Value::integer(3)); }), 13);

    rt::PictureObject picture(image);
    EXPECT_EQ(rt::pictureOf(rt::Value::object(&picture)).size(), QSize(3, 2));
    rt::FontObject notAPicture;
    EXPECT_EQ(errorOf([&] { rt::pictureOf(rt::Value::object(&notAPicture)); }), 13);
}

TEST(EventArgs, KeyCodesShiftStatesAndMouseInTwips) {
    const std::pair<int, int> keys[] = {{Qt::Key_A, 65},     {Qt::Key_7, 55},    {Qt::Key_Return, 13},
                                        {Qt::Key_Enter, 13}, {Qt::Key_Tab, 9},   {Qt::Key_Escape, 27},
                                        {Qt::Key_F1, 112},   {Qt::Key_F12, 123}, {Qt::Key_Delete, 46},
                                        {Qt::Key_Left, 37},  {Qt::Key_Down, 40}, {Qt::Key_Eacute, 0}};
    for (auto [qt, code] : keys) EXPECT_EQ(rt::keyCode(qt), code) << qt;
    EXPECT_EQ(rt::shiftState(Qt::ShiftModifier | Qt::AltModifier), 5);

    const QKeyEvent key(QEvent::KeyPress, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(rt::keyArgs(key), (rt::Args{rt::Value::integer(9), rt::Value::integer(1)}));

    const QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 3), QPointF(2, 3), Qt::RightButton,
                            Qt::LeftButton | Qt::RightButton, Qt::ControlModifier);
    EXPECT_EQ(rt::mouseArgs(press), (rt::Args{rt::Value::integer(2), rt::Value::integer(2),
                                              rt::Value::real(30), rt::Value::real(45)}));
    const QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), QPointF(1, 1), Qt::NoButton,
                           Qt::LeftButton | Qt::RightButton, Qt::NoModifier);
    EXPECT_EQ(rt::mouseArgs(move)[0], rt::Value::integer(3));
}

} // namespace
