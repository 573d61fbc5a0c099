#include "lesson_info.h"

#include "null_text.h"
#include "runtime/dao/database.h"

void GetLessonInfo(rt::Database& db, qint32 treeID, LessonInfoRecord& info) {
    rt::QueryDef q = db.queryDef(QStringLiteral("qGetBwLessonInfo"));
    q.setParameter(0, rt::Value::longInt(treeID));
    rt::Recordset rs = q.open(rt::RecordsetType::ForwardOnly);
    if (!rs.bof() && !rs.eof()) {
        // Field by field into the caller's record: a failing field keeps those read before it.
        info.HasChildren = rs.field("HasChildren").toBool();
        info.ItemNumber = textOrEmpty(rs.field("ItemNumber"));
        info.Objective1 = textOrEmpty(rs.field("Objective1"));
        info.Objective2 = textOrEmpty(rs.field("Objective2"));
        info.Objective3 = textOrEmpty(rs.field("Objective3"));
        info.Objective4 = textOrEmpty(rs.field("Objective4"));
        info.Objective5 = textOrEmpty(rs.field("Objective5"));
        info.ParentID = rs.field("ParentID").toInt32();
        info.Title = rs.field("Title").toString();
        info.TreeID = rs.field("TreeID").toInt32();
    }
    rs.close();
}

qint32 GetParentLessonID(rt::Database& db, qint32 treeID) {
    rt::QueryDef q = db.queryDef(QStringLiteral("qGetParentLessonID"));
    q.setParameter(0, rt::Value::longInt(treeID));
    rt::Recordset rs = q.open();
    const qint32 parent = rs.eof() || rs.bof() ? -999 : rs.field("ParentID").toInt32();
    rs.close();
    return parent;
}
