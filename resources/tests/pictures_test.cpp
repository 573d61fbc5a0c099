#include "resources/pictures.h"
#include "runtime/testing/error_of.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

// An arrow is widest across the base of its head: the column (or, upright, the row) with the most
// drawn pixels lies on the side it points to.
bool widestBeforeMiddle(const QPixmap& pixmap, bool upright) {
    const QImage image = pixmap.toImage();
    const int n = upright ? image.height() : image.width();
    int widest = 0, most = -1;
    for (int along = 0; along < n; ++along) {
        int drawn = 0;
        for (int k = 0; k < n; ++k)
            drawn += qAlpha(image.pixel(upright ? QPoint(k, along) : QPoint(along, k))) > 128;
        if (drawn > most) most = drawn, widest = along;
    }
    return widest < n / 2;
}

TEST(Pictures, BitmapsAndIconsByNumber) {
    for (int n : {1001, 101, 1901, 1902, 1903, 1904}) {
        const QPixmap p = rt::Pictures::bitmap(n);
        EXPECT_FALSE(p.isNull()) << n;
        EXPECT_GT(qAlpha(p.toImage().pixel(p.width() / 2, p.height() / 2)), 0) << n; // drawn, not empty
    }
    EXPECT_EQ(rt::Pictures::bitmap(1001).size(), QSize(64, 64));
    for (int n : {1, 1101}) EXPECT_FALSE(rt::Pictures::icon(n).pixmap(32).isNull()) << n;
    for (const char* key : {"DragCopy", "DragMove"})
        EXPECT_FALSE(rt::Pictures::imageListPicture(key).isNull());

    EXPECT_EQ(rt::errorOf([] { rt::Pictures::bitmap(1905); }), 326);
    EXPECT_EQ(rt::errorOf([] { rt::Pictures::icon(2); }), 326);
    EXPECT_EQ(rt::errorOf([] { rt::Pictures::imageListPicture("Drag"); }), 35601);
}

// The arrow buttons: 1901 left, 1902 right, 1903 up, 1904 down.
TEST(Pictures, ArrowsPointTheirWay) {
    EXPECT_TRUE(widestBeforeMiddle(rt::Pictures::bitmap(1901), false));
    EXPECT_FALSE(widestBeforeMiddle(rt::Pictures::bitmap(1902), false));
    EXPECT_TRUE(widestBeforeMiddle(rt::Pictures::bitmap(1903), true));
    EXPECT_FALSE(widestBeforeMiddle(rt::Pictures::bitmap(1904), true));
}

} // namespace
