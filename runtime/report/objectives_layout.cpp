#include "layouts.h"
#include "report_data.h"
#include "report_file.h"
#include "report_writer.h"

#include <QSet>

namespace rt {

namespace {

const QString order = QStringLiteral("SortOrder, TreeID");

// Each node under its parent, one level deeper, with the objectives it has; a node met again (a tree
// whose parents run in a circle) is printed once.
void writeNodes(ReportWriter& out, ReportData& data, const ReportFile& file, Recordset nodes, int depth,
                QSet<QString>& written) {
    for (; !nodes.eof(); nodes.moveNext()) {
        const QString id = fieldText(nodes, u"TreeID");
        if (written.contains(id)) continue;
        written.insert(id);
        const QString number = fieldText(nodes, u"ItemNumber").trimmed();
        const QString title = fieldText(nodes, u"Title").trimmed();
        // A lesson's heading and its objectives go on one page where they fit.
        out.section();
        out.heading(number.isEmpty() ? title : number + u' ' + title, depth == 0 ? 2 : 3, depth);
        for (int i = 1; i <= 5; ++i) {
            const QString objective = fieldText(nodes, QStringLiteral("Objective%1").arg(i)).trimmed();
            if (objective.isEmpty()) continue;
            const QString caption = file.caption(QStringLiteral("OBJECTIVE%1").arg(i));
            out.paragraph(caption.isEmpty() ? objective : caption + QStringLiteral(": ") + objective,
                          depth + 1);
        }
        writeNodes(out, data, file,
                   data.rows(0, QStringLiteral("LessonTree"), QStringLiteral("ParentID = ") + id, order),
                   depth + 1, written);
    }
}

} // namespace

void layOutObjectives(ReportWriter& out, ReportData& data, const ReportFile& file) {
    data.selectOn(0, QStringLiteral("LessonTree"));
    out.heading(file.caption(QStringLiteral("HEADING")), 1);
    // Every root, or the nodes that the selection picks, each with its subtree.
    QSet<QString> written;
    writeNodes(out, data, file,
               data.selectedRows(data.selectsAll() ? QStringLiteral("ParentID = 0") : QString(), order), 0,
               written);
}

} // namespace rt
