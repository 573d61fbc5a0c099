#include "rich_text_box.h"

#include "plain_text.h"
#include "rtf_reader.h"
#include "rtf_writer.h"
#include "runtime/error.h"
#include "runtime/text_file.h"

#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QScopeGuard>
#include <QTextBlock>

namespace rt {

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent) {
    // Pasted text comes in plain, as the box keeps only the formatting its RTF carries.
    setAcceptRichText(false);
    connect(this, &QTextEdit::textChanged, this, [this] {
        if (!assigning_) emit changed();
    });
}

template <typename F> void RichTextBox::assign(F&& f) {
    assigning_ = true;
    {
        const auto reset = qScopeGuard([this] { assigning_ = false; });
        f();
    }
    emit changed();
}

QString RichTextBox::text() const {
    return plainText(*document());
}

void RichTextBox::setText(const QString& text) {
    assign([&] { rt::setPlainText(*document(), text); });
}

QString RichTextBox::textRtf() const {
    return writeRtf(*document());
}

void RichTextBox::setTextRtf(const QString& rtf) {
    assign([&] {
        if (isRtf(rtf))
            readRtf(rtf, *document());
        else
            rt::setPlainText(*document(), rtf);
    });
}

int RichTextBox::toTextOffset(int position) const {
    return position + document()->findBlock(position).blockNumber();
}

int RichTextBox::toPosition(int offset) const {
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
        const int start = b.position() + b.blockNumber(), length = b.length() - 1;
        // An offset between the CR and the LF of a break stands for the paragraph's end.
        if (offset <= start + length + 1) return b.position() + std::min(offset - start, length);
    }
    return document()->characterCount() - 1;
}

QString RichTextBox::selText() const {
    return textCursor().selectedText().replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
}

void RichTextBox::setSelText(const QString& text) {
    assign([&] {
        QTextCursor c = textCursor();
        c.beginEditBlock();
        c.removeSelectedText();
        const QStringList paragraphs = splitLines(text);
        for (qsizetype i = 0; i < paragraphs.size(); ++i) {
            if (i > 0) c.insertBlock();
            c.insertText(paragraphs[i]);
        }
        c.endEditBlock();
        setTextCursor(c);
    });
}

int RichTextBox::selStart() const {
    return toTextOffset(textCursor().selectionStart());
}

int RichTextBox::selLength() const {
    const QTextCursor c = textCursor();
    return toTextOffset(c.selectionEnd()) - toTextOffset(c.selectionStart());
}

void RichTextBox::setSelStart(int start) {
    if (start < 0) throw RuntimeError(380);
    QTextCursor c = textCursor();
    const int position = toPosition(start);
    if (!c.hasSelection() && c.position() == position) return;
    c.setPosition(position);
    setTextCursor(c);
}

void RichTextBox::setSelLength(int length) {
    if (length < 0) throw RuntimeError(380);
    QTextCursor c = textCursor();
    const int anchor = c.selectionStart();
    const int end = toPosition(toTextOffset(anchor) + length);
    if (!c.hasSelection() && end == anchor) return;
    c.setPosition(anchor);
    c.setPosition(end, QTextCursor::KeepAnchor);
    setTextCursor(c);
}

void RichTextBox::setSelection(int start, int length) {
    setSelStart(start);
    setSelLength(length);
}

void RichTextBox::setSelBold(bool bold) {
    QTextCharFormat f;
    f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    mergeCurrentCharFormat(f);
}

QList<int> RichTextBox::selTabs() const {
    QList<int> twips;
    for (const QTextOption::Tab& t : textCursor().blockFormat().tabPositions())
        twips << qRound(t.position * 15);
    return twips;
}

void RichTextBox::setSelTabs(const QList<int>& twips) {
    QList<QTextOption::Tab> tabs;
    for (int t : twips) tabs << QTextOption::Tab(t / 15.0, QTextOption::LeftTab);
    QTextBlockFormat f;
    f.setTabPositions(tabs);
    textCursor().mergeBlockFormat(f);
}

int RichTextBox::selIndent() const {
    return qRound(textCursor().blockFormat().leftMargin() * 15);
}

void RichTextBox::setSelIndent(int twips) {
    QTextBlockFormat f;
    f.setLeftMargin(twips / 15.0);
    textCursor().mergeBlockFormat(f);
}

void RichTextBox::loadFile(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) throw RuntimeError(53);
    const QByteArray bytes = file.readAll();
    // An RTF file holds its text in the ANSI code page; a plain one may be UTF-8.
    if (bytes.startsWith("{\\rtf"))
        setTextRtf(decodeWindows1252(bytes));
    else
        setText(decodeText(bytes));
    fileName_ = path;
}

void RichTextBox::setLocked(bool locked) {
    setReadOnly(locked);
    if (locked) setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void RichTextBox::keyPressEvent(QKeyEvent* event) {
    QString typed = event->text();
    if (typed.size() == 1) {
        const int code = ansiCode(typed[0]);
        const qint16 before = qint16(code >= 0 ? code : 63);
        Args keyAscii{Value::integer(before)};
        emit keyPress(keyAscii);
        qint16 after = before;
        try {
            if (!keyAscii.isEmpty()) after = keyAscii[0].toInt16();
        } catch (const RuntimeError&) {
            // A code that is no number leaves the character as typed.
        }
        if (after == 0) {
            event->accept();
            return;
        }
        if (after != before)
            typed = after < 256 ? QString(ansiChar(uchar(after))) : QString(QChar(char16_t(after)));
    }
    // A box holds paragraphs only: Shift+Enter breaks the paragraph too, as a line break inside one
    // would not survive the plain text the programs store.
    Qt::KeyboardModifiers modifiers = event->modifiers();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) modifiers &= ~Qt::ShiftModifier;
    if (typed == event->text() && modifiers == event->modifiers()) {
        QTextEdit::keyPressEvent(event);
        return;
    }
    const int key = typed == event->text() ? event->key() : Qt::Key_unknown;
    QKeyEvent replaced(event->type(), key, modifiers, typed, event->isAutoRepeat());
    QTextEdit::keyPressEvent(&replaced);
    event->setAccepted(replaced.isAccepted());
}

void RichTextBox::focusInEvent(QFocusEvent* event) {
    QTextEdit::focusInEvent(event);
    emit gotFocus();
}

} // namespace rt
