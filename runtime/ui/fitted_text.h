#pragma once

#include "runtime/gui/fitted_lines.h"

#include <QLabel>
#include <QPalette>

class QPainter;

namespace rt {

// A text laid into a box on the screen (fitLines): as many lines as the box holds. No word is broken
// across lines; a word wider than the box is shortened to end in "…".
FittedText fitText(const QString& text, const QFont& font, const QSize& box);
// Draws the fitted lines of `w` in its font and palette, one under the other from the top of `area`.
void drawFitted(QPainter& p, const QWidget& w, QRect area, Qt::Alignment horizontal, QPalette::ColorRole role,
                const FittedText& fit);

// A label whose text keeps to its box (fitText); a cut text shows whole as the label's tooltip. Its
// text() stays the whole text.
class FittedLabel : public QLabel {
public:
    using QLabel::QLabel;
    FittedText shown() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
};

} // namespace rt
