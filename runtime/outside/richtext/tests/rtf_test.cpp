#include "describe.h"
#include "runtime/outside/richtext/plain_text.h"
#include "runtime/outside/richtext/rtf_reader.h"
#include "runtime/outside/richtext/rtf_writer.h"
#include "runtime/text_file.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* name;
    const char* rtf;
    QString text;        // plain text, paragraphs joined with CR LF
    QString description; // as describe() gives it; empty: not checked
};

// A case's name as a test name.
const auto caseName = [](const auto& info) {
    std::string n = info.param.name;
    for (char& ch : n)
        if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return n;
};

QTextDocument* read(const QString& rtf) {
    auto* doc = new QTextDocument;
    rt::readRtf(rtf, *doc);
    return doc;
}

const char* const header =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New "
    "Roman;}}{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}";

const Case documents[] = {
    {"Formatting",
     "\\pard\\plain\\fs20 Plain \\b bold\\b0  \\i italic\\i0  \\ul under\\ulnone  \\cf2 blue\\cf0  "
     "\\f1 times\\plain  big\\fs48 ger}",
     "Plain bold italic under blue times bigger",
     "[fs20 fArial]Plain [b fs20 fArial]bold[fs20 fArial] [i fs20 fArial]italic[fs20 fArial] [ul fs20 "
     "fArial]under"
     "[fs20 fArial] [fs20 c#0000ff fArial]blue[fs20 fArial] [fs20 fTimes New Roman]times[fArial] big[fs48 "
     "fArial]"
     "ger"},
    {"Paragraphs, indent and tabs", "\\pard\\li720 a\\par\\tx1440\\tx8150 b\\tab c\\par\\pard d}",
     "a\r\nb\tc\r\nd", "<li720>[fArial]a|<li720 tx1440 tx8150>[fArial]b\tc|[fArial]d"},
    {"Group scoping", "{\\b\\li720 a{\\i\\cf1 b}c\\par}d}", "abc\r\nd",
     "<li720>[b fArial]a[b i c#ff0000 fArial]b[b fArial]c|[fArial]d"},
    {"Accented characters",
     "caf\\'e9 \\u233?t\\'e9 \\u8364?\\'80 \\u-3?}",
     "caf\u00e9 \u00e9t\u00e9 \u20ac\u20ac \ufffd",
     {}},
    {"Unicode fallbacks", "\\uc2\\u233xyz{\\uc0\\u233 x}\\uc1\\u233 ?w}", "\u00e9z\u00e9x\u00e9w", {}},
    {"Escaped symbols", "\\{\\}\\\\\\~\\_\\-x}", "{}\\\u00a0\u2011x", {}},
    {"Unknown words and destinations",
     "\\foo\\bar12 x{\\*\\unknown skip}y\\zzz-5 z{\\info{\\title T}}{\\stylesheet{\\s0 Normal;}}{\\pict "
     "0a0b}!}",
     "xyz!",
     {}},
    {"Field results are text", "{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt shown}}}", "shown", {}},
    {"Binary data is skipped", "a\\bin3 x}yb}", "ab", {}},
    {"A closing paragraph mark", "a\\par }", "a\r\n", {}},
    {"Line ends in the source", "a\r\nb\\\nc\\\r\nd}", "ab\r\nc\r\nd", {}},
    {"Text after the document", "a}b", "a", {}},
    {"Literal tab", "a\tb}", "a\tb", {}},
};

class Documents : public ::testing::TestWithParam<Case> {};

TEST_P(Documents, ReadAndWrittenBack) {
    const Case& c = GetParam();
    std::unique_ptr<QTextDocument> doc(read(QString::fromUtf8(header) + QString::fromUtf8(c.rtf)));
    EXPECT_EQ(rt::plainText(*doc), c.text);
    if (!c.description.isEmpty()) {
        EXPECT_EQ(describe(*doc), c.description);
    }

    const QString written = rt::writeRtf(*doc);
    std::unique_ptr<QTextDocument> again(read(written));
    EXPECT_EQ(rt::plainText(*again), c.text);
    EXPECT_EQ(describe(*again), describe(*doc)) << written.toStdString();
    EXPECT_EQ(rt::writeRtf(*again), written);
}

INSTANTIATE_TEST_SUITE_P(Rtf, Documents, ::testing::ValuesIn(documents), caseName);

TEST(RtfWriter, EscapesWhatIsNotPlainAscii) {
    QTextDocument doc;
    rt::setPlainText(doc, QString::fromUtf8("{a}\\\tcaf\u00e9 \u20ac \u03a9\r\n"));
    const QString rtf = rt::writeRtf(doc);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil "))
        << rtf.toStdString();
    EXPECT_TRUE(rtf.contains("\\{a\\}\\\\\\tab caf\\'e9 \\'80 \\u937?\\par")) << rtf.toStdString();
    EXPECT_TRUE(rtf.endsWith("\\par\r\n}")) << rtf.toStdString();
    QTextDocument back;
    rt::readRtf(rtf, back);
    EXPECT_EQ(rt::plainText(back), rt::plainText(doc));
}

TEST(RtfWriter, EmptyDocumentReadsBackEmpty) {
    QTextDocument doc;
    QTextDocument back;
    rt::readRtf(rt::writeRtf(doc), back);
    EXPECT_EQ(rt::plainText(back), "");
    EXPECT_EQ(back.blockCount(), 1);
}

struct Malformed {
    const char* name;
    QByteArray bytes;
    QString text;
};

const Malformed malformed[] = {
    {"Unclosed groups", "{\\rtf1 a{\\b b", "ab"},
    {"Extra closing braces", "}}{\\rtf1 a}}}", "a"},
    {"Truncated word", "{\\rtf1 hel\\pa", "hel"},
    {"Truncated escape", "{\\rtf1 x\\'e", "x"},
    {"Lone backslash at the end", "{\\rtf1 x\\", "x"},
    {"Bad hex digits", "{\\rtf1 x\\'zz}", "xzz"},
    {"Huge numbers",
     "{\\rtf1\\fs999999999999999 a\\li99999999999 b\\u99999999999 c\\uc999999999\\tx-99999999999 d}", "abd"},
    {"Huge binary length", "{\\rtf1 a\\bin99999999999 b}", "a"},
    {"Binary bytes", QByteArray("{\\rtf1 a\x00\x01\x1f\xff\x80\x0d\x0a", 15) + "b}", "a\u00ff\u20acb"},
    {"Control characters escaped", "{\\rtf1 a\\'00\\'0d\\'0a\\u8233?\\u65532?b}", "ab"},
    {"Font table without an end", "{\\rtf1{\\fonttbl{\\f0 Arial", ""},
    {"Uppercase after backslash", "{\\rtf1 \\Ab}", "b"},
};

class MalformedRtf : public ::testing::TestWithParam<Malformed> {};

TEST_P(MalformedRtf, YieldsTheReadableText) {
    std::unique_ptr<QTextDocument> doc(read(rt::decodeWindows1252(GetParam().bytes)));
    EXPECT_EQ(rt::plainText(*doc), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Rtf, MalformedRtf, ::testing::ValuesIn(malformed), caseName);

TEST(RtfReader, BoundsHostileInput) {
    const int depth = 200000;
    std::unique_ptr<QTextDocument> deep(
        read("{\\rtf1 a" + QString(depth, u'{') + "\\b x" + QString(depth, u'}') + "y}"));
    EXPECT_EQ(rt::plainText(*deep), "axy");

    QString tabs = "{\\rtf1\\fs99999";
    for (int i = 0; i < 100; ++i) tabs += QStringLiteral("\\tx%1").arg(i * 100 + 100);
    std::unique_ptr<QTextDocument> many(read(tabs + " t}"));
    EXPECT_EQ(many->begin().blockFormat().tabPositions().size(), 32);
    EXPECT_TRUE(describe(*many).endsWith("[fs3276]t"));
}

TEST(RtfReader, FontNamesTakeEscapedCharacters) {
    std::unique_ptr<QTextDocument> doc(read("{\\rtf1{\\fonttbl{\\f0 Caf\\'e9\\u8209?\\uc0\\u937 ;}}\\f0 x}"));
    EXPECT_EQ(describe(*doc), QString::fromUtf8("[fCaf\u00e9\u2011\u03a9]x"));
    std::unique_ptr<QTextDocument> again(read(rt::writeRtf(*doc)));
    EXPECT_EQ(describe(*again), describe(*doc));
}

TEST(RtfReader, PlainTextIsNotRtf) {
    EXPECT_TRUE(rt::isRtf(u"{\\rtf1 x}"));
    EXPECT_FALSE(rt::isRtf(u" {\\rtf1 x}"));
    EXPECT_FALSE(rt::isRtf(u"plain"));
}

} // namespace
