#include "editor_fixture.h"

#include "controls/tree/ctlTreeIds.h"
#include "objectives_editor/course_database.h"
#include "objectives_editor/menu_window.h"
#include "objectives_editor/start_up.h"
#include "runtime/com/class_factory.h"
#include "runtime/com/control.h"
#include "runtime/command_line.h"
#include "runtime/dao/engine.h"
#include "runtime/program_folder.h"
#include "runtime/strings.h"
#include "runtime/testing/library_entry.h"
#include "runtime/ui/single_instance.h"
#include "shared/course_settings.h"

#include <QCoreApplication>
#include <QFile>
#include <QTreeWidget>
#include <QUuid>

EditorFixture::EditorFixture() {
    environment.set("LARKSPAN_SETTINGS", settingsFile.toStdString());
    for (const char* library : {"CVTree.ocx", "CVTab.ocx"})
        EXPECT_EQ(rt::libraryEntry<rt::DllRegisterServerFn>(QStringLiteral(LK_PROGRAM_DIR "/") + library,
                                                            "DllRegisterServer")(),
                  rt::S_OK);
    EXPECT_TRUE(QFile::copy(QStringLiteral(LK_COURSE_DIR "/SAMPLE1/SAMPLE1.mdb"), db));
    QFile::setPermissions(db, QFile::ReadOwner | QFile::WriteOwner);
    for (const char* key : {"SAMPLE1", "KTN1", "RV10"})
        install(QLatin1String(key), QStringLiteral(LK_COURSE_DIR "/SAMPLE1/%1.cfg").arg(QLatin1String(key)));
    rt::setProgramFolder(QStringLiteral(LK_PROGRAM_DIR));
    CourseSettings = {};
}

EditorFixture::~EditorFixture() {
    stop();
    rt::setProgramFolder({});
}

void EditorFixture::stop() {
    delete frmMenu::instance();
    CloseDatabase();
    CourseDatabasePath.clear();
    CourseDBVersion.clear();
    LocalObjectiveDirty = false;
    EditingTreeID.clear();
    CourseSettings = {};
    rt::setCommandLine({});
}

void EditorFixture::install(const QString& key, const QString& config) {
    const QString app = rt::StringTable::get(100), section = rt::StringTable::get(104) + u'\\' + key;
    settings.set(app, section, QStringLiteral("Path"), db);
    settings.set(app, section, QStringLiteral("Config"), config);
}

QString EditorFixture::config(const QString& name, const QString& extraLines) {
    QFile base(QStringLiteral(LK_COURSE_DIR "/SAMPLE1/SAMPLE1.cfg"));
    EXPECT_TRUE(base.open(QIODevice::ReadOnly));
    const QString path = dir.filePath(name);
    QFile out(path);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(base.readAll() + extraLines.toUtf8());
    return path;
}

bool EditorFixture::start(const QString& key) {
    rt::setCommandLine(key);
    static int run = 0;
    rt::SingleInstance instance(
        QStringLiteral("TRD-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(++run));
    Main(editor, instance);
    return frmMenu::instance() != nullptr;
}

void EditorFixture::courseSql(const QString& sql) {
    rt::Database other = rt::DBEngine::instance().workspace().openDatabase(db);
    other.execute(sql);
    other.close();
}

QString EditorFixture::courseValue(const QString& sql) {
    rt::Database other = rt::DBEngine::instance().workspace().openDatabase(db);
    rt::Recordset rs = other.openSql(sql);
    const rt::Value v = rs.field(0);
    other.close();
    return v.isNull() ? QStringLiteral("(Null)") : v.toString();
}

QString EditorFixture::messages() const {
    QStringList lines;
    for (const rt::MbRequest& r : msg.shown)
        lines << r.text + QStringLiteral(" | ") + r.title.value_or("(none)");
    return lines.join(u'\n');
}

namespace {

// The nodes in the order they were added, by text: a row of the view finds its node by its text.
struct NodeRecord {
    QString key, text, tag;
    bool used = false;
};

void outline(QTreeWidgetItem* item, int level, std::vector<NodeRecord>& nodes, QStringList& lines) {
    for (NodeRecord& n : nodes) {
        if (n.used || n.text != item->text(0)) continue;
        n.used = true;
        lines << QString(level * 2, u' ') + n.key + u' ' + n.text +
                     (n.tag.isEmpty() ? QString() : " [" + n.tag + ']');
        break;
    }
    for (int i = 0; i < item->childCount(); ++i) outline(item->child(i), level + 1, nodes, lines);
}

} // namespace

QString treeOutline(rt::Control& tree) {
    rt::Dispatch& all = *rt::get(tree, ctlTreeId::TNodes).toObject();
    std::vector<NodeRecord> nodes;
    const int count = rt::get(all, ctlTreeId::Nodes::Count).toInt32();
    for (int i = 1; i <= count; ++i) {
        rt::Dispatch& node = *rt::call(all, ctlTreeId::Nodes::Item, {rt::Value::longInt(i)}).toObject();
        nodes.push_back({rt::get(node, ctlTreeId::Node::Key).toString(),
                         rt::get(node, ctlTreeId::Node::Text).toString(),
                         rt::get(node, ctlTreeId::Node::Tag).toString()});
    }
    QStringList lines;
    QTreeWidget* view = tree.findChild<QTreeWidget*>(QStringLiteral("tree"));
    for (int i = 0; i < view->topLevelItemCount(); ++i) outline(view->topLevelItem(i), 0, nodes, lines);
    return lines.join(u'\n');
}
