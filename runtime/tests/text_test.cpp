#include "runtime/error.h"
#include "runtime/message_box.h"
#include "runtime/strings.h"
#include "runtime/text_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString writeFile(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = dir.filePath("f.txt");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

TEST(ReadTextLines, LineEndsAndUndecodableBytes) {
    QTemporaryDir dir;
    const std::pair<QByteArray, QStringList> cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r\n\r\nc", {"a", "b", "", "c"}},
        {"", {}},
        {"no end", {"no end"}},
        {"caf\xc3\xa9", {QString::fromUtf8("caf\xc3\xa9")}},
        {"caf\xe9 \x80", {QString::fromUtf8("caf\xc3\xa9 \xe2\x82\xac")}},
    };
    for (const auto& [bytes, lines] : cases)
        EXPECT_EQ(rt::readTextLines(writeFile(dir, bytes)), lines) << bytes.constData();
}

TEST(ReadTextLines, MissingFileIsError53) {
    try {
        rt::readTextLines("/nonexistent/x.cfg");
        FAIL();
    } catch (const rt::RuntimeError& e) {
        EXPECT_EQ(e.number, 53);
    }
}

TEST(Windows1252, EveryByteComesBackAndOtherCharactersHaveNone) {
    for (int b = 0; b < 256; ++b) EXPECT_EQ(rt::ansiCode(rt::ansiChar(uchar(b))), b) << b;
    EXPECT_EQ(rt::ansiCode(QChar(0x20AC)), 0x80);
    EXPECT_EQ(rt::ansiCode(QChar(0x2192)), -1);
    EXPECT_EQ(rt::ansiCode(QChar(0x0100)), -1);
}

TEST(StringTable, KnownAndUnknownNumbers) {
    EXPECT_EQ(rt::StringTable::get(100), "Brackwell Larkspan 2.0 Engine");
    EXPECT_EQ(rt::StringTable::get(109), "LKFormat.dat");
    EXPECT_FALSE(rt::StringTable::contains(99999));
    EXPECT_THROW(rt::StringTable::get(99999), rt::RuntimeError);
}

TEST(MessageBoxType, SplitsButtonsIconAndDefault) {
    const auto r = rt::fromType("t", QString("T"), 1 + 64 + 256);
    EXPECT_EQ(r.buttons, rt::MbButtons::OkCancel);
    EXPECT_EQ(r.icon, rt::MbIcon::Information);
    EXPECT_EQ(r.defaultButton, 1);
    EXPECT_EQ(rt::fromType("t", std::nullopt, 16).icon, rt::MbIcon::Critical);
    EXPECT_EQ(rt::fromType("t", std::nullopt, 4 + 32).buttons, rt::MbButtons::YesNo);
}

} // namespace

#include "runtime/event_loop.h"

#include <QTimer>

namespace {

TEST(QtEventLoop, TheFirstYieldRunsWhatIsWaiting) {
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    rt::QtEventLoop loop;
    loop.yield();
    EXPECT_TRUE(ran);
}

} // namespace
