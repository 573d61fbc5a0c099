#pragma once

#include "runtime/ui/fitted_text.h"

#include <QPlainTextEdit>

// A month-view day box: a read-only text box over a day of the month calendar. Its text wraps at word
// boundaries within the box; a text that does not fit ends in "…" and shows whole as the tooltip.
// toPlainText() stays the whole text.
class DayBox : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;
    rt::FittedText shown() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    QRect textArea() const;
};
