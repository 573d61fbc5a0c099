#include "course_database.h"

#include "editor_state.h"
#include "runtime/command_line.h"
#include "runtime/dao/engine.h"
#include "runtime/message_box.h"
#include "runtime/strings.h"
#include "shared/installed_course.h"

#include <exception>

bool CheckCommandLineCourse(Editor& editor) {
    if (!GetCoursePath(editor).isEmpty()) return true;
    editor.msg.show(
        {rt::StringTable::get(1045) + rt::commandLine() + rt::StringTable::get(1046), std::nullopt});
    editor.endProgram();
    return false;
}

QString GetCoursePath(Editor& editor) {
    try {
        return GetCourseValue(editor.settings, rt::commandLine(), QStringLiteral("Path"));
    } catch (const std::exception&) {
        return {};
    }
}

void GetDatabasePath(Editor& editor) {
    CourseDatabasePath = GetCoursePath(editor);
}

void OpenCourseDatabase(Editor& editor) {
    GetDatabasePath(editor);
    EditorCourseDB = rt::DBEngine::instance().workspace().openDatabase(CourseDatabasePath);
}

void CloseDatabase() {
    if (EditorCourseDB.isOpen()) EditorCourseDB.close();
    EditorCourseDB = rt::Database();
}

QString GetDBVersion() {
    rt::QueryDef q = EditorCourseDB.queryDef(QStringLiteral("DBInformation"));
    rt::Recordset rs = q.open(rt::RecordsetType::Snapshot);
    const QString version = rs.field("DBVersion").toString();
    rs.close();
    return version;
}
