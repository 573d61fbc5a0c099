#include "layouts.h"
#include "report_data.h"
#include "report_file.h"
#include "report_writer.h"

#include <QLocale>
#include <QTextTable>

namespace rt {

namespace {

// The heading of the printed span: the report's caption, the span (Comments) and the class.
void writeClassHeading(ReportWriter& out, ReportData& data, const ReportFile& file) {
    out.heading(file.caption(QStringLiteral("HEADING")), 1);
    Recordset c = data.rows(0, QStringLiteral("Class"));
    if (c.eof()) return;
    out.heading(fieldText(c, u"Comments"), 2);
    QStringList parts;
    for (const char* field : {"Teacher", "Subject", "Period"}) {
        const QString text = fieldText(c, QLatin1String(field)).trimmed();
        if (!text.isEmpty()) parts << text;
    }
    out.paragraph(parts.join(QStringLiteral(", ")));
}

struct Cell {
    QString date, title;
};

QList<Cell> cellsOf(ReportData& data) {
    QList<Cell> cells;
    for (Recordset r = data.selectedRows({}, QStringLiteral("RowNo")); !r.eof(); r.moveNext())
        cells.append({fieldText(r, u"LessonDate").trimmed(), fieldText(r, u"Title")});
    return cells;
}

} // namespace

void layOutWeek(ReportWriter& out, ReportData& data, const ReportFile& file) {
    data.selectOn(0, QStringLiteral("RptData"));
    writeClassHeading(out, data, file);
    // Two days a row, the weekend last, as the week view shows them.
    const QList<Cell> cells = cellsOf(data);
    QTextTable* table = out.table(int(cells.size() + 1) / 2, 2);
    for (int i = 0; i < cells.size(); ++i)
        ReportWriter::cell(table, i / 2, i % 2, cells[i].date, cells[i].title);
}

void layOutMonth(ReportWriter& out, ReportData& data, const ReportFile& file) {
    data.selectOn(1, QStringLiteral("RptData"));
    writeClassHeading(out, data, file);
    const QList<Cell> cells = cellsOf(data);
    QTextTable* table = out.table(int(cells.size() + 6) / 7 + 1, 7, 1);
    // Weeks run Sunday to Saturday; the weekday names repeat at the top of every page.
    for (int column = 0; column < 7; ++column)
        ReportWriter::cell(table, 0, column, QLocale().dayName(column == 0 ? 7 : column), {});
    for (int i = 0; i < cells.size(); ++i)
        ReportWriter::cell(table, i / 7 + 1, i % 7, cells[i].date, cells[i].title);
}

} // namespace rt
