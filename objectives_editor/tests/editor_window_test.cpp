#include "controls/tab/ctlTabIds.h"
#include "controls/tree/ctlTreeIds.h"
#include "editor_fixture.h"
#include "objectives_editor/editor_window.h"
#include "objectives_editor/local_objective_box.h"
#include "runtime/com/control.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <memory>

namespace {

class EditorWindow : public EditorFixture {
public:
    // Starts on `key` and loads the editor window, shown.
    void open(const QString& key = QStringLiteral("SAMPLE1")) {
        ASSERT_TRUE(start(key));
        window = std::make_unique<frmTRD>(editor);
        window->show();
        tree = control("treTRD");
        tab = control("tabTRD");
        box = window->findChild<LocalObjectiveBox*>("rtbTRD");
    }
    // A control from its library: its classes are that library's copies, which qobject_cast does not
    // take for the program's own.
    rt::Control* control(const char* name) const {
        return static_cast<rt::Control*>(window->findChild<QWidget*>(QLatin1String(name)));
    }
    QTreeWidget* view() const { return tree->findChild<QTreeWidget*>("tree"); }
    QTreeWidgetItem* item(const QString& text) const {
        const QList<QTreeWidgetItem*> found = view()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        EXPECT_EQ(found.size(), 1) << text.toStdString();
        return found.value(0);
    }
    // A click on the row of the node shown as `text`.
    void click(const QString& text) {
        QTreeWidgetItem* i = item(text);
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, view()->visualItemRect(i).center());
    }
    void expand(const QString& text) { item(text)->setExpanded(true); }
    void type(const QString& text) {
        box->setFocus();
        QTest::keyClicks(box, text);
    }
    QString tabText(int n) {
        return rt::call(*tab, ctlTabId::GetText, {rt::Value::integer(qint16(n))}).toString();
    }
    QString objective5(int treeID) {
        return courseValue(QStringLiteral("SELECT Objective5 FROM LessonTree WHERE TreeID = %1").arg(treeID));
    }

    std::unique_ptr<frmTRD> window;
    rt::Control* tree = nullptr;
    rt::Control* tab = nullptr;
    LocalObjectiveBox* box = nullptr;
};

TEST_F(EditorWindow, Outline) {
    open();
    expand("-1 Air and Sky");
    expand("1-2 What Is Air?");
    click("2-1 Air Takes Up Space");
    window->grab().save("/tmp/trd.png");
    std::cout << treeOutline(*tree).toStdString() << std::endl;
}

} // namespace
