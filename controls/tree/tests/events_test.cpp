#include "controls/tree/tree_view.h"
#include "runtime/com/data_object.h"
#include "tree_fixture.h"

#include <QMimeData>
#include <QTest>

namespace {

using namespace ctlTreeId;
using Events = std::vector<int>;

class TreeEvents : public TreeFixture {
protected:
    void SetUp() override { buildLessons(); }

    // What a drag started now would carry: the text, the allowed effects and the tree's tag.
    std::tuple<QString, qint32, QString> startDrag() {
        QMimeData mime;
        rt::DataObject data;
        data.attach(&mime);
        qint32 allowed = -1;
        emit static_cast<TreeView*>(view())->startingDrag(data, allowed);
        return {mime.text(), allowed, view()->property("Tag").toString()};
    }
};

TEST_F(TreeEvents, PressOnALeafSelectsItAndAllowsItsDrag) {
    const auto [x, y] = pointOf("K12");
    const rt::Args args = press(x, y, 1, 2);
    EXPECT_EQ(ids(), (Events{TChangeSelectedItem, TChangeLeafSelected, TNodeClick, TMouseDown}));
    EXPECT_EQ(keyOf(events[0].args[0]), "K12");
    EXPECT_TRUE(events[1].args[0].toBool());
    EXPECT_EQ(keyOf(events[2].args[0]), "K12");
    EXPECT_EQ(events[3].args, args);
    EXPECT_TRUE(get(TLeafSelected).toBool());
    EXPECT_EQ(keyOf(get(TSelectedItem)), "K12");
    EXPECT_EQ(keyOf(get(DropHighlight)), "K12");
    EXPECT_TRUE(view()->dragEnabled());
    EXPECT_EQ(startDrag(), std::make_tuple(QString("K12"), 1, QString("1")));
}

TEST_F(TreeEvents, PressOnAParentGivesADragWithoutData) {
    const auto [x, y] = pointOf("K1");
    press(x, y);
    EXPECT_EQ(ids(), (Events{TChangeSelectedItem, TChangeLeafSelected, TNodeClick, TMouseDown}));
    EXPECT_FALSE(events[1].args[0].toBool());
    EXPECT_FALSE(get(TLeafSelected).toBool());
    EXPECT_EQ(startDrag(), std::make_tuple(QString(""), 0, QString("0")));
}

TEST_F(TreeEvents, PressBelowTheNodesClearsTheSelection) {
    const auto [x, y] = pointOf("K2");
    press(x, y);
    events.clear();
    press(x, y + 3000);
    EXPECT_EQ(ids(), (Events{TChangeLeafSelected}));
    EXPECT_FALSE(events[0].args[0].toBool());
    EXPECT_EQ(get(TSelectedItem).toObject(), nullptr);
    EXPECT_FALSE(view()->dragEnabled());
}

TEST_F(TreeEvents, HandlersWriteThroughTheirArguments) {
    onEvent = [](int id, rt::Args& args) {
        if (id == TChangeLeafSelected) args[0] = rt::Value::boolean(true);
        if (id == TMouseDown) args[0] = rt::Value::integer(2);
    };
    const auto [x, y] = pointOf("K1");
    const rt::Args args = press(x, y);
    EXPECT_TRUE(get(TLeafSelected).toBool()); // the event carried the stored flag itself
    EXPECT_EQ(args[0].toInt16(), 2);          // the caller's Button
    rt::Args click{rt::Value::object(node("K2"))};
    onEvent = [this](int, rt::Args& a) { a[0] = rt::Value::object(node("K11")); };
    rt::call(*tree, tree_NodeClick, click);
    EXPECT_EQ(keyOf(click[0]), "K11");
}

TEST_F(TreeEvents, TheTreesOwnPressRunsTheSameHandler) {
    const QPoint at = view()->visualItemRect(&node("K11")->item()).center();
    QTest::mousePress(view()->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(ids(), (Events{TChangeSelectedItem, TChangeLeafSelected, TNodeClick, TMouseDown}));
    EXPECT_EQ(events[3].args, (rt::Args{rt::Value::integer(1), rt::Value::integer(0),
                                        rt::Value::real(at.x() * 15), rt::Value::real(at.y() * 15)}));
    events.clear();
    QTest::mouseRelease(view()->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(ids(), (Events{TNodeClick}));
}

TEST_F(TreeEvents, ReleasingAKeyReportsTheNewSelection) {
    view()->setFocus();
    rt::set(*tree, TSelectedItem, rt::Value::object(node("K12")));
    QTest::keyClick(view(), Qt::Key_Up);
    EXPECT_EQ(ids(), (Events{TChangeLeafSelected, TNodeChange, TNodeClick}));
    EXPECT_EQ(events[1].args, (rt::Args{rt::Value::integer(38), rt::Value::integer(0)}));
    EXPECT_EQ(keyOf(events[2].args[0]), "K11");
    EXPECT_EQ(keyOf(get(DropHighlight)), "K11");
    for (Qt::Key key :
         {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt}) {
        events.clear();
        QTest::keyClick(view(), key);
        EXPECT_TRUE(events.empty()) << key;
    }
}

TEST_F(TreeEvents, CollapseAndExpandEndADragMode) {
    const auto [x, y] = pointOf("K11");
    press(x, y);
    events.clear();
    rt::Dispatch& unit = *node("K1");
    rt::let(unit, unit.idOfName(u"Expanded"), rt::Value::boolean(false));
    EXPECT_EQ(ids(), (Events{Collapse}));
    EXPECT_EQ(keyOf(events[0].args[0]), "K1");
    EXPECT_FALSE(view()->dragEnabled());
    press(x, y);
    events.clear();
    rt::let(unit, unit.idOfName(u"Expanded"), rt::Value::boolean(true));
    EXPECT_EQ(ids(), (Events{Expand}));
    EXPECT_FALSE(view()->dragEnabled());
}

TEST_F(TreeEvents, DragsOverTheTreeReachTheHostWhoChoosesTheEffect) {
    QMimeData mime;
    mime.setText("K2");
    QString seen;
    onEvent = [&](int id, rt::Args& args) {
        rt::Dispatch& data = *args[0].toObject();
        seen +=
            rt::call(data, rt::DataObject::GetData, {rt::Value::integer(rt::DataObject::text)}).toString();
        args[1] = rt::Value::longInt(id == OLEDragOver ? 1 : 0);
    };
    const auto actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(QPoint(15, 5), actions, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view()->viewport(), &enter);
    EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
    QDropEvent drop(QPointF(15, 5), actions, &mime, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(view()->viewport(), &drop);
    EXPECT_FALSE(drop.isAccepted());
    ASSERT_EQ(ids(), (Events{OLEDragOver, OLEDragDrop}));
    EXPECT_EQ(events[0].args.mid(2),
              (rt::Args{rt::Value::integer(1), rt::Value::integer(0), rt::Value::real(225),
                        rt::Value::real(75), rt::Value::integer(0)}));
    EXPECT_EQ(events[1].args.mid(2), (rt::Args{rt::Value::integer(1), rt::Value::integer(1),
                                               rt::Value::real(225), rt::Value::real(75)}));
    EXPECT_EQ(seen, "K2K2");
    // The data object is gone once its event is over.
    EXPECT_EQ(rt::errorOf([&] {
                  rt::call(*events[1].args[0].toObject(), rt::DataObject::GetFormat, {rt::Value::integer(1)});
              }),
              91);
}

TEST_F(TreeEvents, MovingOverTheTreeShowsTheArrow) {
    QTest::mouseMove(view()->viewport(), QPoint(20, 20));
    EXPECT_EQ(get(MousePointer).toInt16(), 1);
    EXPECT_EQ(tree->cursor().shape(), Qt::ArrowCursor);
}

} // namespace
