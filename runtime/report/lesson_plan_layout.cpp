#include "layouts.h"
#include "report_data.h"
#include "report_file.h"
#include "report_writer.h"
#include "runtime/error.h"
#include "runtime/value/date.h"

#include <QHash>
#include <QLocale>
#include <QTextTable>

namespace rt {

namespace {

struct ResourceRow {
    QString title, descript, type, minutes;
    bool header = false;
};

QString classLine(ReportData& data) {
    Recordset c = data.rows(2, QStringLiteral("Class"));
    if (c.eof()) return {};
    QStringList parts;
    for (const char* field : {"Teacher", "Subject", "Period"}) {
        const QString text = fieldText(c, QLatin1String(field)).trimmed();
        if (!text.isEmpty()) parts << text;
    }
    return parts.join(QStringLiteral(", "));
}

QList<ResourceRow> resourcesOf(ReportData& data, const QString& planID) {
    QList<ResourceRow> list;
    Recordset r = data.rows(1, QStringLiteral("LessonResources"), QStringLiteral("LessonPlanID = ") + planID,
                            QStringLiteral("SortOrder, LessonItemID"));
    if (r.eof()) return list;
    QHash<QString, QString> types;
    for (Recordset t = data.rows(4, QStringLiteral("ResourceTypes")); !t.eof(); t.moveNext())
        types.insert(fieldText(t, u"TypeID"), fieldText(t, u"Title").trimmed());
    for (; !r.eof(); r.moveNext()) {
        const Value minutes = r.field(u"Duration");
        list.append(
            {fieldText(r, u"Title").trimmed(), fieldText(r, u"Descript").trimmed(),
             types.value(fieldText(r, u"TypeID")),
             !minutes.isNull() && minutes.toInt32() > 0 ? QString::number(minutes.toInt32()) : QString(),
             r.field(u"Header").toBool()});
    }
    return list;
}

void writeResources(ReportWriter& out, const ReportFile& file, const QList<ResourceRow>& resources) {
    out.section();
    out.heading(file.caption(QStringLiteral("RESOURCES")), 2);
    QTextTable* table = out.table(int(resources.size()) + 1, 3, 1, {64, 24, 12});
    ReportWriter::cell(table, 0, 0, file.caption(QStringLiteral("RESOURCE")), {});
    ReportWriter::cell(table, 0, 1, file.caption(QStringLiteral("TYPE")), {});
    ReportWriter::cell(table, 0, 2, file.caption(QStringLiteral("MINUTES")), {});
    for (int i = 0; i < resources.size(); ++i) {
        const ResourceRow& res = resources[i];
        // A heading row names a part of the lesson; it has no type or minutes of its own.
        if (res.header) {
            ReportWriter::cell(table, i + 1, 0, res.title, res.descript);
            continue;
        }
        ReportWriter::cell(table, i + 1, 0, {},
                           res.descript.isEmpty() ? res.title : res.title + u'\n' + res.descript);
        ReportWriter::cell(table, i + 1, 1, {}, res.type);
        ReportWriter::cell(table, i + 1, 2, {}, res.minutes);
    }
}

// The plan's date written out; a stored value that is no date is printed as it stands.
QString dateText(const Value& date) {
    if (date.isNull()) return {};
    try {
        return QLocale().toString(dateFromDays(date.toDate()), QStringLiteral("dddd MMMM d, yyyy"));
    } catch (const RuntimeError&) {
        return date.toString();
    }
}

} // namespace

void layOutLessonPlans(ReportWriter& out, ReportData& data, const ReportFile& file) {
    data.selectOn(0, QStringLiteral("LessonPlans"));
    const QString classText = classLine(data);
    bool first = true;
    for (Recordset plan = data.selectedRows({}, QStringLiteral("LPDate, LessonPlanID")); !plan.eof();
         plan.moveNext()) {
        if (!first) out.pageBreak();
        first = false;
        out.heading(file.caption(QStringLiteral("HEADING")), 1);
        out.paragraph(classText);
        out.paragraph(dateText(plan.field(u"LPDate")));
        const QString number = fieldText(plan, u"ItemNumber").trimmed();
        const QString title = fieldText(plan, u"Title").trimmed();
        out.heading(number.isEmpty() ? title : number + u' ' + title, 2);

        const QList<ResourceRow> resources = resourcesOf(data, fieldText(plan, u"LessonPlanID"));
        if (!resources.isEmpty()) writeResources(out, file, resources);

        for (int i = 1; i <= 5; ++i) {
            const QString objective = fieldText(plan, QStringLiteral("Objective%1").arg(i)).trimmed();
            if (objective.isEmpty()) continue;
            const QString caption = file.caption(QStringLiteral("OBJECTIVE%1").arg(i));
            out.section();
            out.heading(caption, 3);
            out.paragraph(objective);
        }
    }
}

} // namespace rt
