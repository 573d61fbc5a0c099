#include "runtime/com/font_object.h"
#include "runtime/outside/tree/outside_tree.h"
#include "runtime/outside/tree/tree_ids.h"
#include "runtime/testing/error_of.h"

#include <QApplication>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace rt;

namespace {

struct Raised {
    int id;
    Args args;
};

// A tree with a recorder of its events; `handler` plays the host's handler and may write into the
// arguments.
class TreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        tree.resize(200, 300);
        QObject::connect(&tree, &Control::raised, [this](int id, Args& args) {
            if (handler) handler(id, args);
            events.append({id, args});
        });
    }

    Dispatch& root() { return *get(tree, pvTreeId::Root).toObject(); }
    Dispatch& add(Dispatch& parent, const QString& caption) {
        return *call(parent, pvNodeId::AddChild, {Value::longInt(0), Value::integer(0), Value(caption)})
                    .toObject();
    }
    QList<int> ids() const {
        QList<int> out;
        for (const Raised& r : events) out.append(r.id);
        return out;
    }
    const Raised* last(int id) const {
        for (auto it = events.crbegin(); it != events.crend(); ++it)
            if (it->id == id) return &*it;
        return nullptr;
    }
    QTreeWidgetItem* item(int top) const { return tree.view()->topLevelItem(top); }
    QPoint centreOf(QTreeWidgetItem* i) const { return tree.view()->visualItemRect(i).center(); }

    OutsideTree tree;
    QList<Raised> events;
    std::function<void(int, Args&)> handler;
};

TEST_F(TreeTest, RootAndNodesAddLastChildrenAndRemove) {
    Dispatch& a = add(root(), "Alpha");
    add(root(), "Beta");
    add(a, "");
    Dispatch& a2 = add(a, "Second");
    EXPECT_EQ(get(a2, pvNodeId::Caption).toString(), "Second");
    ASSERT_EQ(tree.view()->topLevelItemCount(), 2);
    EXPECT_EQ(item(1)->text(0), "Beta");
    EXPECT_EQ(item(0)->child(1)->text(0), "Second"); // last child

    call(a, pvNodeId::RemoveChildren);
    EXPECT_EQ(item(0)->childCount(), 0);
    EXPECT_EQ(tree.view()->topLevelItemCount(), 2);
    call(root(), pvNodeId::RemoveAll);
    EXPECT_EQ(tree.view()->topLevelItemCount(), 0);
    // Branches gives the same root object, reached by name.
    EXPECT_EQ(get(tree, tree.idOfName(u"branches")).toObject(), &root());
}

// A title wider than the tree is shown whole and reached by scrolling sideways, not cut.
TEST_F(TreeTest, ALongTitleScrollsSidewaysInsteadOfBeingCut) {
    const QString title = "1.1 How Clouds Form from Water Vapor High in the Cold Sky Above Us";
    Dispatch& unit = add(root(), "Unit 1");
    add(unit, title);
    tree.show();
    tree.view()->expandAll();
    QTreeWidgetItem* lesson = item(0)->child(0);
    const QRect shown = tree.view()->visualItemRect(lesson);
    const int textWidth = tree.view()->fontMetrics().horizontalAdvance(title);
    EXPECT_GE(tree.view()->columnWidth(0), textWidth);
    EXPECT_GT(shown.right(), tree.view()->viewport()->width());
    EXPECT_GT(tree.view()->horizontalScrollBar()->maximum(), 0);
}

TEST_F(TreeTest, NodeKeepsDataTagAndFont) {
    Dispatch& n = add(root(), "Unit 1");
    EXPECT_EQ(get(n, pvNodeId::Data).toInt32(), 0);
    EXPECT_EQ(get(n, pvNodeId::Tag).toString(), "");
    let(n, pvNodeId::Data, Value::longInt(2000000001));
    let(n, pvNodeId::Tag, Value("Filled"));
    EXPECT_EQ(get(n, pvNodeId::Data).type(), VarType::Long);
    EXPECT_EQ(get(n, pvNodeId::Data).toInt32(), 2000000001);
    EXPECT_EQ(get(n, pvNodeId::Tag).toString(), "Filled");
    let(n, pvNodeId::Tag, Value("D "));
    EXPECT_EQ(get(n, pvNodeId::Tag).toString(), "D "); // given back unchanged

    FontObject bold;
    QFont boldFont("MS Sans Serif");
    boldFont.setPointSizeF(8);
    boldFont.setBold(true);
    bold.setFont(boldFont);
    set(n, pvNodeId::Font, Value::object(&bold));
    EXPECT_TRUE(item(0)->font(0).bold());
    EXPECT_EQ(item(0)->font(0).pointSizeF(), 8.0);
    EXPECT_EQ(item(0)->font(0).family(), "MS Sans Serif");
    EXPECT_EQ(rt::errorOf([&] { set(n, pvNodeId::Font, Value("bold")); }), 13);
    EXPECT_EQ(rt::errorOf([&] { let(n, pvNodeId::Font, Value::object(&bold)); }),
              438); // by reference only
    EXPECT_EQ(rt::errorOf([&] { let(n, pvNodeId::Data, Value("x")); }), 13);
}

TEST_F(TreeTest, ChildInfoTellsWhetherTheNodeHasChildren) {
    Dispatch& parent = add(root(), "Parent");
    Dispatch& leaf = add(root(), "Leaf");
    add(parent, ""); // a placeholder counts
    const auto hasChildren = [](Dispatch& node) {
        return get(*call(node, pvNodeId::ChildInfo, {Value::longInt(0)}).toObject(), pvNodeId::HasChildren)
            .toBool();
    };
    EXPECT_TRUE(hasChildren(parent));
    EXPECT_FALSE(hasChildren(leaf));
    call(parent, pvNodeId::RemoveChildren);
    EXPECT_FALSE(hasChildren(parent));
}

TEST_F(TreeTest, SelectionByMembers) {
    EXPECT_EQ(get(tree, pvTreeId::SelectedCount).toInt32(), 0);
    EXPECT_EQ(rt::errorOf([&] { get(root(), pvNodeId::Selected); }), 91);
    EXPECT_EQ(rt::errorOf([&] {
                  call(root(), pvNodeId::Relative, {Value::longInt(9), Value::integer(0)});
              }),
              91);

    Dispatch& first = add(root(), "First");
    Dispatch& second = add(root(), "Second");
    EXPECT_EQ(
        call(root(), pvNodeId::Relative, {Value::longInt(pvRelation::First), Value::integer(0)}).toObject(),
        &first);
    call(second, pvNodeId::Select, {Value::integer(1)});
    EXPECT_NE(get(tree, pvTreeId::SelectedCount).toInt32(), 0);
    EXPECT_TRUE(get(second, pvNodeId::IsSelected).toBool());
    EXPECT_FALSE(get(first, pvNodeId::IsSelected).toBool());
    EXPECT_EQ(get(root(), pvNodeId::Selected).toObject(), &second);
    EXPECT_EQ(call(root(), pvNodeId::Relative, {Value::longInt(pvRelation::Selected), Value::integer(0)})
                  .toObject(),
              &second);
    Dispatch& branches = *get(tree, tree.idOfName(u"Branches")).toObject();
    EXPECT_EQ(call(branches, branches.idOfName(u"Get"), {Value::integer(4), Value::integer(0)}).toObject(),
              &second);

    EXPECT_EQ(ids(), (QList<int>{pvTreeEvent::BeforeSelChange, pvTreeEvent::AfterSelChange}));
    EXPECT_EQ(events[0].args[0].toObject(), &second);
    EXPECT_EQ(events[1].args[0].toObject(), &second);
}

TEST_F(TreeTest, BeforeSelChangeCanRefuseBySelectAndByClick) {
    Dispatch& first = add(root(), "First");
    Dispatch& second = add(root(), "Second");
    call(first, pvNodeId::Select, {Value::integer(1)});
    handler = [](int id, Args& args) {
        if (id == pvTreeEvent::BeforeSelChange) args[1] = Value::integer(0);
    };
    events.clear();
    call(second, pvNodeId::Select, {Value::integer(1)});
    tree.show();
    QTest::mouseClick(tree.view()->viewport(), Qt::LeftButton, {}, centreOf(item(1)));
    EXPECT_TRUE(get(first, pvNodeId::IsSelected).toBool());
    EXPECT_FALSE(get(second, pvNodeId::IsSelected).toBool());
    EXPECT_FALSE(ids().contains(pvTreeEvent::AfterSelChange));
    EXPECT_EQ(ids().count(pvTreeEvent::BeforeSelChange), 2);

    handler = nullptr;
    QTest::mouseClick(tree.view()->viewport(), Qt::LeftButton, {}, centreOf(item(1)));
    EXPECT_TRUE(get(second, pvNodeId::IsSelected).toBool());
    EXPECT_EQ(last(pvTreeEvent::AfterSelChange)->args[0].toObject(), &second);
}

// The library trees fill a node's children when it is first expanded: the fill in BeforeExpand
// replaces the placeholder before anything shows.
TEST_F(TreeTest, ExpandRaisesBeforeExpandFirstSoThatTheNodeCanBeFilled) {
    Dispatch& unit = add(root(), "Unit");
    add(unit, "");
    handler = [this](int id, Args& args) {
        if (id != pvTreeEvent::BeforeExpand) return;
        Dispatch& node = *args[0].toObject();
        call(node, pvNodeId::RemoveChildren);
        add(node, "Lesson 1");
        add(node, "Lesson 2");
    };
    tree.show();
    tree.view()->expandItem(item(0));
    EXPECT_EQ(ids(), (QList<int>{pvTreeEvent::BeforeExpand, pvTreeEvent::AfterExpand}));
    EXPECT_EQ(events[1].args[0].toObject(), &unit);
    ASSERT_EQ(item(0)->childCount(), 2);
    EXPECT_EQ(item(0)->child(1)->text(0), "Lesson 2");
    EXPECT_TRUE(item(0)->isExpanded());

    tree.view()->collapseItem(item(0));
    EXPECT_EQ(last(pvTreeEvent::AfterCollapse)->args[0].toObject(), &unit);
}

TEST_F(TreeTest, MouseEventsGiveTheNodeUnderThePointerAndTheButtons) {
    Dispatch& leaf = add(root(), "Leaf");
    bool selectedAtButtonDown = false;
    handler = [&](int id, Args&) {
        if (id == pvTreeEvent::LButtonDown) selectedAtButtonDown = get(leaf, pvNodeId::IsSelected).toBool();
    };
    tree.show();
    QWidget* vp = tree.view()->viewport();
    QTest::mouseClick(vp, Qt::LeftButton, {}, centreOf(item(0)));
    EXPECT_TRUE(selectedAtButtonDown);
    EXPECT_EQ(last(pvTreeEvent::LButtonDown)->args[0].toObject(), &leaf);
    EXPECT_EQ(last(pvTreeEvent::LButtonDown)->args[1].toInt16(), 1);
    EXPECT_EQ(last(pvTreeEvent::LButtonUp)->args[0].toObject(), &leaf);

    QTest::mouseClick(vp, Qt::LeftButton, {}, QPoint(100, 250)); // below every node
    EXPECT_EQ(last(pvTreeEvent::LButtonDown)->args[0].toObject(), nullptr);
    QTest::mouseDClick(vp, Qt::LeftButton, {}, centreOf(item(0)));
    EXPECT_EQ(last(pvTreeEvent::LButtonDblClick)->args[0].toObject(), &leaf);

    events.clear();
    QTest::mousePress(vp, Qt::LeftButton, {}, centreOf(item(0)));
    QMouseEvent move(QEvent::MouseMove, QPointF(centreOf(item(0)) + QPoint(3, 0)),
                     vp->mapToGlobal(QPointF(0, 0)), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(vp, &move);
    EXPECT_EQ(last(pvTreeEvent::MouseMove)->args[0].toInt16(), 1);
    QTest::mouseRelease(vp, Qt::LeftButton, {}, centreOf(item(0)));
    QTest::mouseClick(vp, Qt::RightButton, {}, centreOf(item(0)));
    EXPECT_EQ(ids().count(pvTreeEvent::LButtonDown), 1); // the right button raises no LButton event
}

TEST_F(TreeTest, FocusEvents) {
    QFocusEvent in(QEvent::FocusIn), out(QEvent::FocusOut);
    QApplication::sendEvent(tree.view(), &in);
    QApplication::sendEvent(tree.view(), &out);
    EXPECT_EQ(ids(), (QList<int>{pvTreeEvent::GotFocus, pvTreeEvent::LostFocus}));
}

TEST_F(TreeTest, ManualDropRaisesDragDropWithTheSourceName) {
    QWidget list;
    list.setObjectName("List1");
    std::unique_ptr<QMimeData> data(ManualDrag::dataOf(&list));
    // Qt hands a drop only to the widget that accepted the drag's entry.
    QDragEnterEvent enter(QPoint(10, 12), Qt::MoveAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(tree.view()->viewport(), &enter);
    QDropEvent drop(QPointF(10, 12), Qt::MoveAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(tree.view()->viewport(), &drop);
    const Raised* r = last(pvTreeEvent::DragDrop);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->args[0].toString(), "List1");
    EXPECT_EQ(r->args[1].toDouble(), 10);
    EXPECT_EQ(r->args[2].toDouble(), 12);
    EXPECT_TRUE(drop.isAccepted());
}

TEST_F(TreeTest, OleDragOverLetsTheHandlerChooseTheEffect) {
    handler = [](int id, Args& args) {
        if (id != pvTreeEvent::OLEDragOver) return;
        Dispatch& data = *args[0].toObject();
        const bool fromList =
            call(data, dataObjectId::GetData, {Value::integer(dataFormat::Text)}).toString() == "List1";
        args[1] = Value::longInt(fromList ? dropEffect::Move : dropEffect::None);
    };
    QMimeData fromList, other;
    fromList.setText("List1");
    other.setText("elsewhere");
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &fromList, Qt::LeftButton, {});
    QApplication::sendEvent(tree.view()->viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDragMoveEvent over(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &fromList, Qt::LeftButton, {});
    QApplication::sendEvent(tree.view()->viewport(), &over);
    EXPECT_TRUE(over.isAccepted());
    EXPECT_EQ(over.dropAction(), Qt::MoveAction);
    EXPECT_EQ(last(pvTreeEvent::OLEDragOver)->args[1].toInt32(), dropEffect::Move);
    QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &other, Qt::LeftButton, {});
    QApplication::sendEvent(tree.view()->viewport(), &refused);
    EXPECT_FALSE(refused.isAccepted());
}

// Should the drag wait for the mouse (it ends at once when no button is held), Escape ends it.
void cancelDragSoon() {
    QTimer::singleShot(50, [] {
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, {});
        QApplication::sendEvent(qApp, &esc);
    });
}

TEST_F(TreeTest, StartDragAsksOleStartDragForDataAndEffects) {
    QString carried;
    handler = [&](int id, Args& args) {
        if (id != pvTreeEvent::OLEStartDrag) return;
        call(*args[0].toObject(), dataObjectId::SetData,
             {Value("pvtBrackwell"), Value::integer(dataFormat::Text)});
        carried =
            call(*args[0].toObject(), dataObjectId::GetData, {Value::integer(dataFormat::Text)}).toString();
        args[1] = Value::longInt(dropEffect::None);
    };
    call(tree, pvTreeId::StartDrag);
    EXPECT_EQ(carried, "pvtBrackwell");
    // A data object kept past its event reads nothing.
    Dispatch& kept = *last(pvTreeEvent::OLEStartDrag)->args[0].toObject();
    EXPECT_EQ(rt::errorOf([&] { call(kept, dataObjectId::GetData, {Value::integer(dataFormat::Text)}); }),
              91);
    EXPECT_EQ(last(pvTreeEvent::OLEStartDrag)->args[1].toInt32(), dropEffect::None);

    handler = [](int id, Args& args) {
        if (id == pvTreeEvent::OLEStartDrag) args[1] = Value::longInt(dropEffect::Copy);
    };
    tree.show();
    cancelDragSoon();
    call(tree, pvTreeId::StartDrag); // returns once the drag is over
    EXPECT_EQ(ids().count(pvTreeEvent::OLEStartDrag), 2);
}

TEST_F(TreeTest, UnknownMembersAndTheWindowHandle) {
    EXPECT_EQ(get(tree, pvTreeId::HWnd).toInt32(), 0);
    EXPECT_EQ(rt::errorOf([&] { get(tree, 999); }), 438);
    EXPECT_EQ(rt::errorOf([&] { let(tree, pvTreeId::Root, Value::integer(1)); }), 438);
    Dispatch& n = add(root(), "x");
    EXPECT_EQ(rt::errorOf([&] { let(n, pvNodeId::Caption, Value("y")); }), 438);
    EXPECT_EQ(rt::errorOf([&] { call(root(), pvNodeId::RemoveChildren); }), 438);
    EXPECT_EQ(rt::errorOf([&] {
                  call(root(), pvNodeId::Relative, {Value::integer(7), Value::integer(0)});
              }),
              380);
    EXPECT_EQ(rt::errorOf([&] {
                  call(root(), pvNodeId::AddChild, {Value::longInt(0), Value::integer(0)});
              }),
              449);
}

} // namespace
