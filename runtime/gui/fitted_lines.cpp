#include "fitted_lines.h"

#include <QFontMetricsF>
#include <QRegularExpression>
#include <QTextLayout>

namespace rt {

FittedText fitLines(const QString& text, const QFont& font, const QPaintDevice* device, qreal width,
                    int maxLines, WideWord wide) {
    static const QRegularExpression ends(QStringLiteral("\r\n|\n|\r|\u2028"));
    const QStringList paragraphs = text.split(ends);
    const QFontMetricsF metrics(font, device);
    FittedText fit;
    const auto add = [&](const QString& line) {
        const QString shown = metrics.elidedText(line, Qt::ElideRight, width);
        fit.lines << shown;
        fit.cut = fit.cut || shown != line;
    };

    QTextOption option;
    option.setWrapMode(wide == WideWord::Broken ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                                : QTextOption::WordWrap);
    for (qsizetype p = 0; p < paragraphs.size() && fit.lines.size() < maxLines; ++p) {
        const QString& paragraph = paragraphs[p];
        QTextLayout layout(paragraph, font, const_cast<QPaintDevice*>(device));
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            const bool more =
                line.textStart() + line.textLength() < paragraph.size() || p + 1 < paragraphs.size();
            if (fit.lines.size() == maxLines - 1 && more) {
                // The last line there is room for carries the rest of the text.
                QStringList rest{paragraph.mid(line.textStart())};
                rest += paragraphs.mid(p + 1);
                add(rest.join(u' ').simplified());
                break;
            }
            add(paragraph.mid(line.textStart(), line.textLength()).trimmed());
        }
        layout.endLayout();
    }
    return fit;
}

} // namespace rt
