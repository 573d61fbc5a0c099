#include "cut_text.h"

#include <QFontMetricsF>
#include <QRegularExpression>
#include <QTextLayout>

namespace rt {

namespace {

struct Line {
    QString text;
    qsizetype paragraph, start; // where the line begins: its paragraph and its place in it
};

// Every line of the text as wrapped, breaking inside a word only when the word alone is too wide.
QList<Line> wrapped(const QStringList& paragraphs, const QFont& font, const QPaintDevice* device,
                    qreal width) {
    QList<Line> lines;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (qsizetype p = 0; p < paragraphs.size(); ++p) {
        QTextLayout layout(paragraphs[p], font, const_cast<QPaintDevice*>(device));
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines.append(
                {paragraphs[p].mid(line.textStart(), line.textLength()).trimmed(), p, line.textStart()});
        }
        layout.endLayout();
    }
    return lines;
}

} // namespace

QStringList cutToLines(const QString& text, const QFont& font, const QPaintDevice* device, qreal width,
                       int maxLines) {
    static const QRegularExpression ends(QStringLiteral("\r\n|\n|\r|\u2028"));
    const QStringList paragraphs = text.split(ends);
    const QList<Line> lines = wrapped(paragraphs, font, device, width);
    QStringList fitting;
    const qsizetype shown = qMin<qsizetype>(lines.size(), qMax(maxLines, 0));
    for (qsizetype i = 0; i < shown; ++i) fitting << lines[i].text;
    if (shown == lines.size() || shown == 0) return fitting;

    // The last line shown carries the rest of the text, on one line.
    const Line& last = lines[shown - 1];
    QStringList rest{paragraphs[last.paragraph].mid(last.start)};
    rest += paragraphs.mid(last.paragraph + 1);
    const QString tail = rest.join(u' ').simplified();
    fitting.last() = QFontMetricsF(font, device).elidedText(tail, Qt::ElideRight, width);
    return fitting;
}

} // namespace rt
