#include "describe.h"
#include "runtime/outside/richtext/rich_text_box.h"
#include "runtime/testing/error_of.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Types characters as a keyboard would, whatever their code.
void type(QWidget& w, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&w, &press);
    }
}

using rt::errorOf;

TEST(RichTextBox, PlainAndRichText) {
    rt::RichTextBox box;
    box.setText("a\r\nb\nc\rd");
    EXPECT_EQ(box.text(), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(box.document()->blockCount(), 4);
    box.setTextRtf("not {\\rtf at the start\r\nsecond");
    EXPECT_EQ(box.text(), "not {\\rtf at the start\r\nsecond");
    box.setTextRtf("{\\rtf1 x\\par {\\b y}}");
    EXPECT_EQ(describe(*box.document()), "x|[b]y");
    rt::RichTextBox copy;
    copy.setTextRtf(box.textRtf());
    EXPECT_EQ(copy.text(), "x\r\ny");
    EXPECT_EQ(describe(*copy.document()), "x|[b]y");
    EXPECT_EQ(copy.textRtf(), box.textRtf());
}

TEST(RichTextBox, SelectionCountsParagraphBreaksAsTwo) {
    rt::RichTextBox box;
    box.setText("ab\r\ncd");
    box.setSelection(1, 4);
    EXPECT_EQ(box.selText(), "b\r\nc");
    EXPECT_EQ(box.selStart(), 1);
    EXPECT_EQ(box.selLength(), 4);
    EXPECT_EQ(box.text().mid(box.selStart(), box.selLength()), box.selText());

    box.setSelText("X\r\nY\r\nZ");
    EXPECT_EQ(box.text(), "aX\r\nY\r\nZd");
    EXPECT_EQ(box.selStart(), 8);
    EXPECT_EQ(box.selLength(), 0);

    box.setSelStart(3); // between the CR and the LF: the paragraph's end
    EXPECT_EQ(box.selStart(), 2);
    box.setSelStart(1000);
    EXPECT_EQ(box.selStart(), box.text().size());
    box.setSelection(0, 1000);
    EXPECT_EQ(box.selText(), box.text());
    EXPECT_EQ(errorOf([&] { box.setSelStart(-1); }), 380);
    EXPECT_EQ(errorOf([&] { box.setSelLength(-1); }), 380);
}

// The details pane is filled through the members one by one: bold title, the minutes at a tab stop,
// the description below.
TEST(RichTextBox, FilledMemberByMemberAsTheDetailsPane) {
    rt::RichTextBox box;
    box.setText("old text");
    box.setSelection(0, box.text().size());
    box.setSelText("");
    for (const auto& [title, minutes, descript] :
         {std::tuple("Warm-up", "05", "Read aloud."), std::tuple("Exit ticket", "10", "")}) {
        box.setSelTabs({8150});
        box.setSelStart(box.text().size());
        box.setSelBold(true);
        box.setSelText(title);
        box.setSelBold(false);
        box.setSelStart(box.text().size());
        box.setSelText(QStringLiteral("\t%1 mins.\r\n").arg(minutes));
        box.setSelStart(box.text().size());
        box.setSelIndent(0);
        box.setSelStart(box.text().size());
        box.setSelText(QString(descript) + "\r\n\r\n");
    }
    box.setSelection(1, 0);
    EXPECT_EQ(box.text(), "Warm-up\t05 mins.\r\nRead aloud.\r\n\r\nExit ticket\t10 mins.\r\n\r\n\r\n");
    EXPECT_EQ(describe(*box.document()), "<tx8150>[b]Warm-up\t05 mins.|<tx8150>Read aloud.|<tx8150>|"
                                         "<tx8150>[b]Exit ticket\t10 mins.|<tx8150>|<tx8150>|<tx8150>");
    EXPECT_EQ(box.selTabs(), QList<int>{8150});
    EXPECT_EQ(box.selIndent(), 0);
    box.setSelIndent(720);
    EXPECT_EQ(box.selIndent(), 720);
    EXPECT_TRUE(box.textRtf().contains("\\tx8150")) << box.textRtf().toStdString();
}

TEST(RichTextBox, ChangedOncePerAssignmentAndPerKey) {
    rt::RichTextBox box;
    QSignalSpy changed(&box, &rt::RichTextBox::changed);
    box.setText("a\r\nb\r\nc");
    EXPECT_EQ(changed.count(), 1);
    box.setTextRtf("{\\rtf1 a\\par b\\par c}");
    EXPECT_EQ(changed.count(), 2);
    box.setSelection(0, 3);
    box.setSelText("x\r\ny");
    EXPECT_EQ(changed.count(), 3);
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_Z);
    EXPECT_EQ(changed.count(), 4);
    EXPECT_TRUE(box.text().contains("z"));
}

TEST(RichTextBox, KeyPressDropsOrReplacesTheCharacter) {
    rt::RichTextBox box;
    QList<int> codes;
    QObject::connect(&box, &rt::RichTextBox::keyPress, [&](rt::Args& keyAscii) {
        const int code = keyAscii[0].toInt16();
        codes << code;
        if (code == 9 || code == 254 || code == 255) keyAscii[0] = rt::Value::integer(0);
        if (code == 'a') keyAscii[0] = rt::Value::integer('b');
    });
    QTest::keyClick(&box, Qt::Key_Tab);
    type(box, QString::fromUtf8("\u00fe\u00ffa\u20ac\u03a9"));
    EXPECT_EQ(box.text(), QString::fromUtf8("b\u20ac\u03a9"));
    EXPECT_EQ(codes, (QList<int>{9, 254, 255, 'a', 128, 63}));
}

TEST(RichTextBox, ShiftEnterBreaksTheParagraph) {
    rt::RichTextBox box;
    QTest::keyClicks(&box, "a");
    QTest::keyClick(&box, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(&box, "b");
    EXPECT_EQ(box.text(), "a\r\nb");
}

TEST(RichTextBox, LockedTakesNoTypingButItsTextCanBeSet) {
    rt::RichTextBox box;
    box.setLocked(true);
    EXPECT_TRUE(box.locked());
    QTest::keyClicks(&box, "typed");
    EXPECT_EQ(box.text(), "");
    box.setText("set");
    box.setSelection(0, 3);
    box.setSelText("replaced");
    EXPECT_EQ(box.text(), "replaced");
    box.setLocked(false);
    box.setSelStart(box.text().size());
    QTest::keyClicks(&box, "!");
    EXPECT_EQ(box.text(), "replaced!");
}

TEST(RichTextBox, LoadsRtfAndPlainFiles) {
    QTemporaryDir dir;
    const QString rtf = dir.filePath("bwabout.rtf"), plain = dir.filePath("plain.txt");
    QFile f(rtf);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("{\\rtf1\\ansi {\\b Caf\xe9}\\par \\'e9t\\'e9}"); // a raw byte in the ANSI code page
    f.close();
    QFile p(plain);
    ASSERT_TRUE(p.open(QIODevice::WriteOnly));
    p.write("caf\xc3\xa9\nline");
    p.close();

    rt::RichTextBox box;
    box.setFileName(rtf);
    EXPECT_EQ(box.fileName(), rtf);
    EXPECT_EQ(describe(*box.document()), QString::fromUtf8("[b]Caf\u00e9|\u00e9t\u00e9"));
    box.loadFile(plain);
    EXPECT_EQ(box.text(), QString::fromUtf8("caf\u00e9\r\nline"));
    EXPECT_EQ(errorOf([&] { box.loadFile(dir.filePath("missing.rtf")); }), 53);
    EXPECT_EQ(box.fileName(), plain);
}

} // namespace
