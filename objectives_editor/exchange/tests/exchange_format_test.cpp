#include "exchange_fixture.h"
#include "objectives_editor/exchange/exchange_format.h"

#include <gtest/gtest.h>

namespace {

using exchangetest::lko;

TEST(ExchangeFormat, TextsAreWindows1252BothWays) {
    const struct {
        QString objective;
        QByteArray written;
        QString readBack;
    } cases[] = {
        {QStringLiteral("caf\u00e9"), "caf\xE9", QStringLiteral("caf\u00e9")},
        {QStringLiteral("\u20ac 5"), "\x80 5", QStringLiteral("\u20ac 5")},
        {QStringLiteral("a\u00feb\u00ff"), "ab", QStringLiteral("ab")},
        {QStringLiteral("\u00fe\u00ff"), "~", QString()},
        {QStringLiteral("a\u2192b"), "a?b", QStringLiteral("a?b")},
        {QString::fromUcs4(U"\U0001F600!"), "?!", QStringLiteral("?!")},
        // The five bytes Windows-1252 leaves undefined keep their value.
        {QStringLiteral("\u0081\u008d\u008f\u0090\u009d"), "\x81\x8D\x8F\x90\x9D",
         QStringLiteral("\u0081\u008d\u008f\u0090\u009d")},
    };
    for (const auto& c : cases) {
        const QByteArray file =
            writeExchangeFile(QStringLiteral("KTN1"), QStringLiteral("0101"), {{12, c.objective}});
        EXPECT_EQ(file, lko("bwIF|KTN1|0101|1|12|" + c.written + "|")) << c.written.toHex().toStdString();
        const ExchangeContents read = readExchangeFile(file, QStringLiteral("KTN1"), QStringLiteral("0101"));
        ASSERT_EQ(read.failure, 0);
        EXPECT_EQ(read.rows, QList<ExchangeRow>({{12, c.readBack}}));
    }
}

TEST(ExchangeFormat, ReadFieldStopsAtEachEndAndDropsWhatPrecedesTheEmptyMark) {
    const QByteArray bytes = lko("ab|~|ab~cd|x~|tail");
    qsizetype pos = 0;
    EXPECT_EQ(ReadField(bytes, pos), QStringLiteral("ab"));
    EXPECT_EQ(ReadField(bytes, pos), QString());
    EXPECT_EQ(ReadField(bytes, pos), QStringLiteral("cd"));
    EXPECT_EQ(ReadField(bytes, pos), QString());
    EXPECT_EQ(ReadField(bytes, pos), QString()); // cut short by the end
    EXPECT_EQ(pos, bytes.size());
}

TEST(ExchangeFormat, RowCountFromFieldEnds) {
    EXPECT_EQ(CountRecordsInFile(lko("a|b|c|1|12|~|")), 1);
    EXPECT_EQ(CountRecordsInFile(lko("a|b|c|0|12|")), 0);
    EXPECT_EQ(CountRecordsInFile(QByteArray(4 + 2 * 40000, '\xFF')), 40000); // no 16-bit limit
}

TEST(ExchangeFormat, HeaderChecks) {
    EXPECT_TRUE(IsExchangeMagic(QStringLiteral("bwIF")));
    EXPECT_FALSE(IsExchangeMagic(QStringLiteral("BWIF")));
    EXPECT_TRUE(IsSameCourse(QStringLiteral(" KTN1 "), QStringLiteral("ktn1")));
    EXPECT_FALSE(IsSameCourse(QStringLiteral("ktn1"), QStringLiteral("KTN1")));
    EXPECT_TRUE(IsSameDBVersion(QStringLiteral("0101 "), QStringLiteral("0101")));
    EXPECT_FALSE(IsSameDBVersion(QStringLiteral("0101"), QStringLiteral(" 0101")));
}

TEST(ExchangeFormat, TreeIdsAreDecimalDigitsOf32Bits) {
    for (const char* yes : {"", "12", " 12 ", "0", "007", "2147483647"})
        EXPECT_TRUE(IsNumericOrEmpty(QString::fromLatin1(yes))) << yes;
    for (const char* no :
         {"12.5", "1e3", "-4", "+4", "&H10", "1 2", "\t12", "2147483648", "99999999999", " "})
        EXPECT_FALSE(IsNumericOrEmpty(QString::fromLatin1(no))) << no;
}

} // namespace
