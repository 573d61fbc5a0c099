#include "report_writer.h"

#include <QRegularExpression>
#include <QTextDocument>
#include <QTextTable>

namespace rt {

namespace {

// Per level of a tree. Indents, unlike block margins, keep their size when printing scales the page up
// to the printer's resolution.
constexpr qreal indentWidth = 18;

QTextCharFormat charFormat(int level) {
    QTextCharFormat format;
    static const qreal sizes[] = {10, 16, 13, 10};
    format.setFontPointSize(sizes[level]);
    format.setFontWeight(level == 0 ? QFont::Normal : QFont::Bold);
    return format;
}

} // namespace

QString withLineBreaks(const QString& text) {
    static const QRegularExpression ends(QStringLiteral("\r\n|\n|\r"));
    return QString(text).replace(ends, QString(QChar::LineSeparator));
}

ReportWriter::ReportWriter(QTextDocument& document) : cursor_(&document) {
    QFont font = document.defaultFont();
    font.setPointSize(10);
    document.setDefaultFont(font);
    document.setIndentWidth(indentWidth);
}

void ReportWriter::nextBlock(int level, int indent) {
    QTextBlockFormat block;
    block.setIndent(indent);
    block.setTopMargin(level == 0 ? 2 : 10);
    block.setBottomMargin(level == 0 ? 2 : 4);
    if (breakBefore_) block.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    if (level > 0) block.setProperty(report_block::HeadingLevel, level);
    if (sectionNext_) block.setProperty(report_block::SectionStart, true);
    breakBefore_ = sectionNext_ = false;
    if (fresh_) {
        cursor_.setBlockFormat(block);
        cursor_.setBlockCharFormat(charFormat(level));
    } else {
        cursor_.insertBlock(block, charFormat(level));
    }
    cursor_.setCharFormat(charFormat(level));
    fresh_ = false;
}

void ReportWriter::heading(const QString& text, int level, int indent) {
    if (text.isEmpty()) return;
    nextBlock(level, indent);
    cursor_.insertText(withLineBreaks(text));
}

void ReportWriter::paragraph(const QString& text, int indent) {
    nextBlock(0, indent);
    cursor_.insertText(withLineBreaks(text));
}

QTextTable* ReportWriter::table(int rows, int columns, int headerRows, const QList<qreal>& percentages) {
    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderBrush(QColor(128, 128, 128));
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setCellPadding(4);
    format.setCellSpacing(0);
    format.setHeaderRowCount(headerRows);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    QList<QTextLength> widths;
    for (int i = 0; i < columns; ++i)
        widths << QTextLength(QTextLength::PercentageLength, percentages.value(i, 100.0 / columns));
    format.setColumnWidthConstraints(widths);
    if (breakBefore_) format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    breakBefore_ = false;
    if (!fresh_) cursor_.insertBlock();
    QTextTable* t = cursor_.insertTable(rows, columns, format);
    cursor_.movePosition(QTextCursor::End);
    fresh_ = true;
    return t;
}

void ReportWriter::cell(QTextTable* table, int row, int column, const QString& caption, const QString& text) {
    QTextCursor c = table->cellAt(row, column).firstCursorPosition();
    if (!caption.isEmpty()) {
        c.insertText(withLineBreaks(caption), charFormat(3));
        if (!text.isEmpty()) c.insertBlock(QTextBlockFormat(), charFormat(0));
    }
    c.insertText(withLineBreaks(text), charFormat(0));
}

} // namespace rt
