#pragma once

#include "runtime/com/dispatch.h"

#include <QList>
#include <QTextEdit>

namespace rt {

// The rich text box the windows place: the details pane, the about boxes, the objective pages, the
// editor's local objective. Positions and lengths count in the text as `text()` gives it, so a
// paragraph break counts two (CR LF), and `text().mid(selStart(), selLength())` is `selText()`.
// Lengths in twips.
class RichTextBox : public QTextEdit {
    Q_OBJECT
public:
    explicit RichTextBox(QWidget* parent = nullptr);

    // Plain text: paragraphs joined with CR LF; CR LF, CR or LF each end a paragraph when set.
    QString text() const;
    void setText(const QString& text);
    // Rich text; a text that does not start as RTF ("{\rtf") goes in as plain text.
    QString textRtf() const;
    void setTextRtf(const QString& rtf);

    QString selText() const;
    void setSelText(const QString& text); // replaces the selection; the caret ends after the new text
    int selStart() const;
    int selLength() const;
    // The caret to `start` with nothing selected; moving it to where it already is keeps the format that
    // the next typed or inserted text takes. Error 380 when negative; beyond the end is the end.
    void setSelStart(int start);
    void setSelLength(int length); // from the selection's start; error 380 when negative
    void setSelection(int start, int length);

    // What the selection has, or the next inserted text takes when nothing is selected.
    void setSelBold(bool bold);
    // The selected paragraphs' tab stops (the caret's paragraph when nothing is selected), and their
    // left indent.
    QList<int> selTabs() const;
    void setSelTabs(const QList<int>& twips);
    int selIndent() const;
    void setSelIndent(int twips);

    // Loads a file: RTF when it starts as RTF, else plain text. Error 53 when it cannot be read.
    void loadFile(const QString& path);
    QString fileName() const { return fileName_; }
    void setFileName(const QString& path) { loadFile(path); }

    // A locked box takes no typing; its text can still be set.
    bool locked() const { return isReadOnly(); }
    void setLocked(bool locked);

signals:
    // Every change of the text: typing, and each assignment once.
    void changed();
    // Each typed character, with its code in the ANSI code page (63 for one it lacks) by reference:
    // a handler sets it to 0 to drop the character, or to another code to type that instead.
    void keyPress(rt::Args& keyAscii);
    void gotFocus();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    int toTextOffset(int position) const;
    int toPosition(int offset) const;
    template <typename F> void assign(F&& f);

    QString fileName_;
    bool assigning_ = false;
};

} // namespace rt
