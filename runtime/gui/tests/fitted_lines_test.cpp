#include "runtime/gui/fitted_lines.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <gtest/gtest.h>

namespace {

using rt::WideWord;

const QChar ellipsis(0x2026);

// Each case in both ways of showing a wide word, where none is too wide; an expected line ending in "…"
// stands for that text shortened to end in "…".
TEST(FitLines, WrapAtWordsKeepLineBreaksAndEndWhatIsCutInAnEllipsis) {
    const QImage device(10, 10, QImage::Format_RGB32);
    QFont font;
    font.setPixelSize(10);
    const QFontMetricsF metrics(font, &device);
    const qreal width = metrics.horizontalAdvance(QStringLiteral("Measure the wind"));
    const QString wide(60, u'W');
    const struct {
        QString text;
        int maxLines;
        QList<WideWord> ways;
        QStringList lines;
        bool cut;
    } cases[] = {
        {"Measure the wind again",
         3,
         {WideWord::Shortened, WideWord::Broken},
         {"Measure the wind", "again"},
         false},
        {"Air\r\nWind\rRain\nSun\u2028Snow",
         5,
         {WideWord::Shortened, WideWord::Broken},
         {"Air", "Wind", "Rain", "Sun", "Snow"},
         false},
        // The last line carries the rest on one line, cut only where it does not fit.
        {"Air\nWind", 1, {WideWord::Shortened, WideWord::Broken}, {"Air Wind"}, false},
        {"Measure the wind\nMeasure the wind again",
         2,
         {WideWord::Shortened, WideWord::Broken},
         {"Measure the wind", "Measure the wind again\u2026"},
         true},
        {"\n\n\n\n.", 2, {WideWord::Shortened, WideWord::Broken}, {"", "."}, false},
        {"  Air  ", 1, {WideWord::Shortened, WideWord::Broken}, {"Air"}, false},
        {"", 1, {WideWord::Shortened, WideWord::Broken}, {""}, false},
        {"Air", 0, {WideWord::Shortened, WideWord::Broken}, {}, false},
        // A word wider than the width: shortened on its own line, or broken over lines.
        {wide + " wind", 3, {WideWord::Shortened}, {wide + ellipsis, "wind"}, true},
        {wide + "\nwind", 1, {WideWord::Shortened}, {wide + " wind" + ellipsis}, true},
        {wide, 10, {WideWord::Broken}, {}, false},
    };
    for (const auto& c : cases) {
        for (WideWord way : c.ways) {
            SCOPED_TRACE(c.text.toStdString() + (way == WideWord::Broken ? " broken" : " shortened"));
            const rt::FittedText fit = rt::fitLines(c.text, font, &device, width, c.maxLines, way);
            for (const QString& line : fit.lines) EXPECT_LE(metrics.horizontalAdvance(line), width);
            EXPECT_EQ(fit.cut, c.cut);
            if (c.text == wide) {
                EXPECT_GT(fit.lines.size(), 1);
                EXPECT_EQ(fit.lines.join(QString()), wide);
                continue;
            }
            ASSERT_EQ(fit.lines.size(), c.lines.size()) << fit.lines.join(u'|').toStdString();
            for (qsizetype i = 0; i < c.lines.size(); ++i) {
                if (!c.lines[i].endsWith(ellipsis)) {
                    EXPECT_EQ(fit.lines[i], c.lines[i]);
                    continue;
                }
                const QString& line = fit.lines[i];
                EXPECT_TRUE(line.endsWith(ellipsis)) << line.toStdString();
                EXPECT_TRUE(c.lines[i].startsWith(line.chopped(1))) << line.toStdString();
                EXPECT_GT(line.size(), 1) << "only the sign is left";
            }
        }
    }
}

} // namespace
