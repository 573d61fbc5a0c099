#include "lesson_resources.h"

#include "course_database.h"
#include "runtime/dao/recordset.h"
#include "runtime/error.h"
#include "saved_query.h"

namespace {

// The fields that a plan's resource row and a course resource have in common.
void setResourceFields(rt::Recordset& rs, qint32 lessonPlanID, const rt::Recordset& from) {
    rs.setField("ResourceID", from.field("ResourceID"));
    rs.setField("TypeID", from.field("TypeID"));
    rs.setField("LessonPlanID", rt::Value::longInt(lessonPlanID));
    rs.setField("Title", from.field("Title"));
    rs.setField("Duration", from.field("Duration"));
}

} // namespace

void AddCoreResources(const LessonPlanRecord& rec) {
    rt::Recordset core = SavedQuery("qAddCoreResources", rt::Value::longInt(rec.TreeID)).open();
    rt::Recordset rs = CourseDB.openTable("LessonResources");
    while (HasRow(core)) {
        rs.addNew();
        setResourceFields(rs, rec.LessonPlanID, core);
        rs.setField("SortOrder", core.field("SortOrder"));
        rs.setField("Descript", core.field("Descript"));
        rs.setField("Header", core.field("Header"));
        rs.update();
        core.moveNext();
    }
    core.close();
    rs.close();
}

void AddResourceToLesson(qint32 lessonPlanID, qint32 resourceID) {
    rt::Recordset resource = SavedQuery("qAddResourceToLesson", rt::Value::longInt(resourceID)).open();
    rt::Recordset rs = CourseDB.openTable("LessonResources");
    if (HasRow(resource)) {
        rs.addNew();
        setResourceFields(rs, lessonPlanID, resource);
        rs.setField("SortOrder", rt::Value::integer(NextSortOrder(lessonPlanID)));
        rs.setField("Descript", resource.field("Descript"));
        rs.setField("Header", resource.field("Header"));
        rs.update();
    }
    resource.close();
    rs.close();
}

qint32 NextResourceID() {
    rt::Recordset rs =
        CourseDB.openSql("SELECT MIN(LessonResources.ResourceID) AS NextID FROM LessonResources");
    qint32 value = 0;
    // Past the open, a failure keeps 0: the minimum of an empty table is Null.
    try {
        value = rt::roundToInt32(rs.field("nextid").toDouble() - 1);
    } catch (const rt::RuntimeError&) {
    }
    if (value > 0) value = -1;
    rs.close();
    return value;
}

void AddNewResource(qint32 lessonPlanID, const QString& title, qint16 typeID, qint16 minutes,
                    const QString& description) {
    rt::Recordset rs = CourseDB.openTable("LessonResources");
    rs.addNew();
    rs.setField("ResourceID", rt::Value::longInt(NextResourceID()));
    rs.setField("TypeID", rt::Value::integer(typeID));
    rs.setField("LessonPlanID", rt::Value::longInt(lessonPlanID));
    rs.setField("Title", title);
    rs.setField("Duration", rt::Value::integer(minutes));
    rs.setField("Descript", description);
    rs.setField("SortOrder", rt::Value::integer(NextSortOrder(lessonPlanID)));
    rs.update();
    rs.close();
}

QString GetLessonTime(qint32 lessonPlanID) {
    rt::Recordset rs = SavedQuery("qLessonTime", rt::Value::longInt(lessonPlanID)).open();
    // Totalled in 32 bits: a plan may hold more than 32,767 minutes.
    qint32 total = 0;
    if (HasRow(rs)) total = rs.field("SumOfDuration").toInt32();
    rs.close();
    return QString::number(total);
}

void ResourcesToArray(qint32 lessonPlanID, QList<ResourceRecord>& list) {
    rt::Recordset rs = SavedQuery("qResourcesToArray", rt::Value::longInt(lessonPlanID)).open();
    if (!HasRow(rs)) {
        list.clear();
        rs.close();
        return;
    }
    rs.moveLast();
    rs.moveFirst();
    list = QList<ResourceRecord>(rs.recordCount());
    for (ResourceRecord& r : list) {
        r.ResourceID = rs.field("ResourceID").toInt32();
        r.TypeID = rs.field("TypeID").toInt32();
        // Rows of older class files may lack a title or the heading flag: empty and not a heading.
        const rt::Value title = rs.field("Title");
        r.Title = title.isNull() ? QString() : title.toString();
        r.Duration = rs.field("Duration").toInt16();
        r.SortOrder = rs.field("SortOrder").toInt16();
        const rt::Value descript = rs.field("Descript");
        r.Descript = descript.isNull() ? QString() : descript.toString();
        const rt::Value header = rs.field("Header");
        r.Header = !header.isNull() && header.toBool();
        rs.moveNext();
    }
    rs.close();
}

void SaveResourceArray(qint32 lessonPlanID, const QList<ResourceRecord>& list) {
    if (list.isEmpty()) return;
    rt::Recordset rs = CourseDB.openTable("LessonResources");
    for (const ResourceRecord& r : list) {
        rs.addNew();
        rs.setField("LessonPlanID", rt::Value::longInt(lessonPlanID));
        rs.setField("ResourceID", rt::Value::longInt(r.ResourceID));
        rs.setField("TypeID", rt::Value::longInt(r.TypeID));
        rs.setField("Title", r.Title);
        rs.setField("Duration", rt::Value::integer(r.Duration));
        rs.setField("SortOrder", rt::Value::integer(r.SortOrder));
        rs.setField("Descript", r.Descript);
        rs.setField("Header", rt::Value::boolean(r.Header));
        rs.update();
    }
    rs.close();
}

void SwapResourceSort(qint32 itemA, qint32 itemB, qint32 lessonPlanID) {
    rt::QueryDef q = CourseDB.queryDef("qSwapResourceSort");
    q.setParameter(0, QString::number(itemA));
    q.setParameter(1, QString::number(itemB));
    q.setParameter(2, rt::Value::longInt(lessonPlanID));
    rt::Recordset rs = q.open();
    if (HasRow(rs)) {
        qint16 a = rs.field("SortOrder").toInt16();
        rs.moveNext();
        const qint16 b = rs.field("SortOrder").toInt16();
        rs.movePrevious();
        if (a == b) a = rt::roundToInt16(a - 1.0);
        rs.edit();
        rs.setField("SortOrder", rt::Value::integer(b));
        rs.update();
        rs.moveNext();
        rs.edit();
        rs.setField("SortOrder", rt::Value::integer(a));
        rs.update();
    }
    rs.close();
}

qint16 NextSortOrder(qint32 lessonPlanID) {
    rt::Recordset rs = SavedQuery("qNextSortOrder", rt::Value::longInt(lessonPlanID)).open();
    const rt::Value next = rs.field("NextSO");
    const qint16 order = next.isNull() ? 1 : next.toInt16();
    rs.close();
    return order;
}
