#include "lesson_objectives.h"

#include "controls/tab/ctlTabIds.h"
#include "controls/tree/ctlTreeIds.h"
#include "editor_state.h"
#include "runtime/cursor.h"
#include "runtime/error.h"
#include "runtime/event_loop.h"
#include "runtime/message_box.h"
#include "runtime/outside/richtext/rich_text_box.h"
#include "runtime/strings.h"
#include "shared/course_settings.h"
#include "shared/lesson_info.h"
#include "shared/lesson_text.h"
#include "shared/null_text.h"

namespace {

// The node text by the course prefix (the identifier's first two letters).
QString nodeText(const rt::Recordset& rs) {
    const QString prefix = CourseSettings.UCI.left(2).toUpper();
    if (prefix == QLatin1String("KT"))
        return textOrEmpty(rs.field("ItemNumber")) + QStringLiteral(" - ") + textOrEmpty(rs.field("Title"));
    if (prefix == QLatin1String("RV") || prefix == QLatin1String("DX")) return textOrEmpty(rs.field("Title"));
    LessonInfoRecord info;
    GetLessonInfo(EditorCourseDB, rs.field("TreeID").toInt32(), info);
    return FormatNodeTitle(EditorCourseDB, info, CourseSettings.StyleTRDNode);
}

QString treeKey(char prefix, const rt::Value& treeID) {
    return QLatin1Char(prefix) + treeID.toString();
}

// A step of a branch's children: one that fails is skipped.
template <class F> void skipping(F&& step) {
    try {
        step();
    } catch (const rt::RuntimeError&) {
    }
}

} // namespace

void FillPrimaryTreeNodes(Editor& editor, QWidget* form, rt::Dispatch& tree) {
    try {
        editor.cursor.setPointer(form, rt::Pointer::Hourglass);
        rt::QueryDef q = EditorCourseDB.queryDef(QStringLiteral("qPrimaryTreeNodes"));
        rt::Recordset rs = q.open();
        while (!rs.eof() && !rs.bof()) {
            const rt::Value id = rs.field("TreeID");
            rt::Dispatch* node =
                rt::call(tree, ctlTreeId::AddPrimaryNode, {treeKey('K', id), nodeText(rs)}).toObject();
            rt::let(*node, ctlTreeId::Node::Tag, QStringLiteral("Filled"));
            FillChildNodes(editor, tree, id.toString());
            rs.moveNext();
            editor.loop.yield();
        }
        rs.close();
        editor.cursor.setPointer(form, rt::Pointer::Default);
    } catch (const rt::RuntimeError& e) {
        editor.cursor.setPointer(form, rt::Pointer::Default);
        editor.msg.show({QString::number(e.number) + QStringLiteral("  ") + e.description, std::nullopt});
    }
}

bool FillChildNodes(Editor& editor, rt::Dispatch& tree, const QString& parentID) {
    rt::QueryDef q = EditorCourseDB.queryDef(QStringLiteral("qChildNodes"));
    q.setParameter("id", parentID);
    rt::Recordset rs = q.open(rt::RecordsetType::Snapshot);
    if (rs.recordCount() == 0) {
        rs.close();
        return false;
    }
    rs.moveLast();
    rs.moveFirst();
    const int count = rs.recordCount();
    const QString parentKey = QLatin1Char('K') + parentID;
    for (int row = 0; row < count; ++row) {
        if (row > 0) skipping([&] { rs.moveNext(); });
        skipping([&] {
            rt::call(tree, ctlTreeId::AddNode, {parentKey, treeKey('K', rs.field("TreeID")), nodeText(rs)});
        });
        skipping([&] {
            const rt::Value hasChildren = rs.field("HasChildren");
            if (!hasChildren.isNull() && hasChildren.toBool()) {
                const QString placeholder = treeKey('D', rs.field("TreeID"));
                rt::call(tree, ctlTreeId::AddNode,
                         {treeKey('K', rs.field("TreeID")), placeholder, placeholder});
            }
        });
        editor.loop.yield();
    }
    skipping([&] { rs.close(); });
    return true;
}

void LoadObjectives(Editor& editor, rt::Dispatch& tab, rt::RichTextBox& box, qint16 tabs, qint32 treeID) {
    if (treeID == 0) return;
    rt::QueryDef q = EditorCourseDB.queryDef(QStringLiteral("qObjectives"));
    q.setParameter("id", rt::Value::longInt(treeID));
    rt::Recordset rs = q.open(rt::RecordsetType::Snapshot);
    for (qint16 n = 1; n <= 4 && tabs >= n; ++n)
        rt::call(tab, ctlTabId::SetText,
                 {rt::Value::integer(n), textOrEmpty(rs.field(QStringLiteral("Objective%1").arg(n)))});
    box.setText(textOrEmpty(rs.field("Objective5")));
    editor.loop.yield();
    rs.close();
}

void SaveObjective(Editor& editor, const QString& treeID, const QString& text) {
    if (!LocalObjectiveDirty) return;
    try {
        const rt::Value id = rt::Value::longInt(rt::Value(treeID).toInt32());
        rt::QueryDef test = EditorCourseDB.queryDef(QStringLiteral("qTestRecordExistence"));
        test.setParameter(0, id);
        rt::Recordset exists = test.open();
        const bool found = !exists.eof() && !exists.bof();
        exists.close();
        if (!found) return;
        rt::QueryDef update = EditorCourseDB.queryDef(QStringLiteral("qUpdateObjective5"));
        update.setParameter(0, id);
        rt::Recordset rs = update.open();
        if (!rs.eof() && !rs.bof()) {
            rs.edit();
            rs.setField("Objective5", text);
            rs.update();
        }
        LocalObjectiveDirty = false;
        rs.close();
    } catch (const rt::RuntimeError& e) {
        editor.msg.show({QStringLiteral("The local objective of lesson %1 could not be saved.\r\n\r\n%2")
                             .arg(treeID, e.description),
                         rt::StringTable::get(1002), rt::MbButtons::Ok, rt::MbIcon::Exclamation});
    }
}
