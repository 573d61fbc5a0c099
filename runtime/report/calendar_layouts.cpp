#include "calendar_sheet.h"
#include "layouts.h"
#include "report_data.h"
#include "report_file.h"

#include <QLocale>

namespace rt {

namespace {

// The heading of the printed span: the report's caption, the span (Comments) and the class.
void writeClassHeading(CalendarSheet& sheet, ReportData& data, const ReportFile& file) {
    sheet.heading = file.caption(QStringLiteral("HEADING"));
    Recordset c = data.rows(0, QStringLiteral("Class"));
    if (c.eof()) return;
    sheet.span = fieldText(c, u"Comments");
    QStringList parts;
    for (const char* field : {"Teacher", "Subject", "Period"}) {
        const QString text = fieldText(c, QLatin1String(field)).trimmed();
        if (!text.isEmpty()) parts << text;
    }
    sheet.classLine = parts.join(QStringLiteral(", "));
}

QList<CalendarSheet::Cell> cellsOf(ReportData& data) {
    QList<CalendarSheet::Cell> cells;
    for (Recordset r = data.selectedRows({}, QStringLiteral("RowNo")); !r.eof(); r.moveNext())
        cells.append({fieldText(r, u"LessonDate").trimmed(), fieldText(r, u"Title")});
    return cells;
}

} // namespace

CalendarSheet layOutWeek(ReportData& data, const ReportFile& file) {
    data.selectOn(0, QStringLiteral("RptData"));
    CalendarSheet sheet;
    writeClassHeading(sheet, data, file);
    // Two days a row, the weekend last, as the week view shows them.
    sheet.columns = 2;
    sheet.cells = cellsOf(data);
    return sheet;
}

CalendarSheet layOutMonth(ReportData& data, const ReportFile& file) {
    data.selectOn(1, QStringLiteral("RptData"));
    CalendarSheet sheet;
    writeClassHeading(sheet, data, file);
    // Weeks run Sunday to Saturday, six of them under the weekday names.
    sheet.columns = 7;
    for (int column = 0; column < 7; ++column)
        sheet.columnNames << QLocale().dayName(column == 0 ? 7 : column);
    sheet.cells = cellsOf(data);
    sheet.textPoints = 8;
    return sheet;
}

} // namespace rt
