#pragma once

#include <QTextCursor>
#include <QTextFormat>

class QTextDocument;
class QTextTable;

namespace rt {

// Writes a report into a document from top to bottom: headings, paragraphs, tables of captioned cells,
// page breaks. Line breaks in the data (CR LF, LF or CR) stay line breaks.
class ReportWriter {
public:
    explicit ReportWriter(QTextDocument& document);

    // Level 1 is the report's heading, 2 a section, 3 a caption within one; an empty one is left out.
    void heading(const QString& text, int level, int indent = 0);
    void paragraph(const QString& text, int indent = 0);
    // The next block or table starts a new page.
    void pageBreak() { breakBefore_ = true; }
    // The next block starts a section, which printing keeps off a page break where it can.
    void section() { sectionNext_ = true; }
    // A table across the page, its columns of equal width or of the given percentages; its first
    // headerRows rows repeat on every page.
    QTextTable* table(int rows, int columns, int headerRows = 0, const QList<qreal>& percentages = {});
    // A cell's caption in bold, then its text below it.
    static void cell(QTextTable* table, int row, int column, const QString& caption, const QString& text);

private:
    void nextBlock(int level, int indent);

    QTextCursor cursor_;
    bool fresh_ = true; // the cursor stands in an empty block that nothing has used
    bool breakBefore_ = false;
    bool sectionNext_ = false;
};

// What the writer notes on a block for the printing: a heading's level, the start of a section.
namespace report_block {
constexpr int HeadingLevel = QTextFormat::UserProperty + 1;
constexpr int SectionStart = QTextFormat::UserProperty + 2;
} // namespace report_block

// The text with its CR LF, LF and CR as line breaks within one paragraph.
QString withLineBreaks(const QString& text);

} // namespace rt
