#include "resource_lookups.h"

#include "runtime/text.h"
#include "saved_query.h"
#include "shared/course_settings.h"
#include "shared/null_text.h"

#include <functional>

namespace {

// Runs the saved query `name` with `id` as its parameter 0 and hands its first row, if any, to `read`.
// False when there is no row.
bool firstRow(const QString& name, qint32 id, const std::function<void(const rt::Recordset&)>& read) {
    rt::Recordset rs = SavedQuery(name, rt::Value::longInt(id)).open();
    const bool found = HasRow(rs);
    if (found) read(rs);
    rs.close();
    return found;
}

void nodeResource(const QString& query, qint32 nodeID, bool& hasPDF, qint32& resourceID) {
    if (!firstRow(query, nodeID, [&](const rt::Recordset& rs) {
            hasPDF = rs.field("HasPDF").toBool();
            resourceID = rs.field("ResourceID").toInt32();
        })) {
        hasPDF = false;
        resourceID = 0;
    }
}

qint32 firstResourceID(const QString& query, qint32 nodeID) {
    qint32 id = 0;
    firstRow(query, nodeID, [&](const rt::Recordset& rs) { id = rs.field("ResourceID").toInt32(); });
    return id;
}

qint16 numberOrZero(const rt::Value& v) {
    return v.isNull() ? 0 : v.toInt16();
}

} // namespace

void HasResources(qint32 nodeID, bool& hasPDF, qint32& resourceID) {
    nodeResource(QStringLiteral("qHasResources"), nodeID, hasPDF, resourceID);
}

void TypeHasResources(qint32 nodeID, bool& hasPDF, qint32& resourceID) {
    nodeResource(QStringLiteral("qTypeHasResources"), nodeID, hasPDF, resourceID);
}

void GetResourceDetails(qint32 resourceID, ResourceRecord& rec) {
    firstRow(QStringLiteral("qGetResourceDetails"), resourceID, [&](const rt::Recordset& rs) {
        // Field by field into the caller's record: a failing field keeps those read before it.
        rec.ResourceID = rs.field("ResourceID").toInt32();
        rec.TypeID = rs.field("TypeID").toInt32();
        rec.TreeID = rs.field("TreeID").toInt32();
        rec.Title = rt::trimSpaces(textOrEmpty(rs.field("Title")));
        rec.Duration = rs.field("Duration").toInt16();
        rec.PlanItem = rs.field("PlanItem").toBool();
        rec.SortOrder = rs.field("SortOrder").toInt16();
        rec.PDFFile = rt::trimSpaces(textOrEmpty(rs.field("PDFFile")));
        rec.Descript = rt::trimSpaces(textOrEmpty(rs.field("Descript")));
        rec.Header = rs.field("Header").toBool();
        if (CourseSettings.DBVersion != QLatin1String("0101")) return;
        rec.PDFSpanish = textOrEmpty(rs.field("PDFSpanish"));
        rec.pdfpagestart = numberOrZero(rs.field("pdfpagestart"));
        rec.pdfpageend = numberOrZero(rs.field("pdfpageend"));
        // A range that ends before it starts is the start page alone.
        if (rec.pdfpagestart != 0 && rec.pdfpageend < rec.pdfpagestart) rec.pdfpageend = rec.pdfpagestart;
    });
}

QString GetTypeName(qint32 typeID) {
    QString name;
    firstRow(QStringLiteral("qGetTypeName"), typeID,
             [&](const rt::Recordset& rs) { name = rt::trimSpaces(rs.field("Title").toString()); });
    return name;
}

qint32 GetTypeResourceID(qint32 nodeID) {
    return firstResourceID(QStringLiteral("qGetTypeResourceID"), nodeID);
}

qint32 GetChapterResourceID(qint32 nodeID) {
    return firstResourceID(QStringLiteral("qGetChapterResourceID"), nodeID);
}
