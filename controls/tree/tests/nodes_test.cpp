#include "tree_fixture.h"

namespace {

using namespace ctlTreeId;
using rt::Value;

class TreeNodesByKey : public TreeFixture {
protected:
    void SetUp() override { buildLessons(); }

    Value member(const Value& node, const char16_t* name) {
        rt::Dispatch& d = *node.toObject();
        return rt::get(d, d.idOfName(name));
    }
    qint32 count() {
        rt::Dispatch& nodes = *get(TNodes).toObject();
        return rt::get(nodes, Nodes::Count).toInt32();
    }
    // The texts of the tree's rows, depth first.
    QStringList rows() {
        QStringList r;
        std::function<void(QTreeWidgetItem*)> walk = [&](QTreeWidgetItem* item) {
            for (int i = 0; i < item->childCount(); ++i) r << item->child(i)->text(0), walk(item->child(i));
        };
        walk(view()->invisibleRootItem());
        return r;
    }
};

TEST_F(TreeNodesByKey, NewNodesAreCollapsedAndCarryKeyAndTag) {
    const Value lesson = call(AddNode, {"K2", "K21", "Lesson 3"});
    EXPECT_EQ(member(lesson, u"key").toString(), "K21");
    EXPECT_EQ(member(lesson, u"Text").toString(), "Lesson 3");
    EXPECT_TRUE(member(lesson, u"Tag").isEmpty());
    rt::Dispatch& d = *lesson.toObject();
    rt::let(d, d.idOfName(u"Tag"), "Filled");
    EXPECT_EQ(member(lesson, u"Tag").toString(), "Filled");
    EXPECT_FALSE(member(call(AddPrimaryNode, {"K3", "Unit 3"}), u"Expanded").toBool());
    EXPECT_FALSE(node("K3")->item().isExpanded());
    EXPECT_EQ(member(Value::object(node("K1")), u"Children").toInt32(), 2);
}

TEST_F(TreeNodesByKey, AFailedAddChangesNothing) {
    EXPECT_EQ(rt::errorOf([&] { call(AddNode, {"K9", "K91", "orphan"}); }), 35601);
    EXPECT_EQ(rt::errorOf([&] { call(AddNode, {"K2", "K11", "twice"}); }), 35602);
    EXPECT_EQ(rt::errorOf([&] { call(AddPrimaryNode, {"K1", "twice"}); }), 35602);
    EXPECT_EQ(count(), 4);
    EXPECT_EQ(rows(), (QStringList{"Unit 1", "Lesson 1", "Lesson 2", "Unit 2"}));
}

TEST_F(TreeNodesByKey, RemovingByKey) {
    EXPECT_EQ(call(RemoveNode, {"K9"}), Value::boolean(false));
    EXPECT_EQ(call(RemoveNode, {""}), Value::boolean(false));
    EXPECT_EQ(rows(), (QStringList{"Unit 1", "Lesson 1", "Lesson 2", "Unit 2"}));

    const Value held = Value::object(node("K12"));
    rt::set(*tree, TSelectedItem, held);
    rt::set(*tree, DropHighlight, held);
    EXPECT_EQ(call(RemoveNode, {"K1"}), Value::boolean(true));
    EXPECT_EQ(rows(), (QStringList{"Unit 2"}));
    EXPECT_EQ(count(), 1);
    EXPECT_EQ(rt::errorOf([&] { member(held, u"Key"); }), 35605);
    EXPECT_EQ(get(DropHighlight).toObject(), nullptr);
    EXPECT_EQ(call(RemoveNode, {"K12"}), Value::boolean(false));
    // Its keys are free again.
    call(AddNode, {"K2", "K12", "Lesson 2 again"});
    EXPECT_EQ(rows(), (QStringList{"Unit 2", "Lesson 2 again"}));
}

// The editor fills a branch when it is first expanded, trading its placeholder for the children.
TEST_F(TreeNodesByKey, AnExpandHandlerFillsTheBranch) {
    call(AddPrimaryNode, {"K3", "Unit 3"});
    call(AddNode, {"K3", "D3", "D3"});
    int fills = 0;
    onEvent = [&](int id, rt::Args& args) {
        if (id != Expand || member(args[0], u"Tag").toString() == "Filled") return;
        ++fills;
        EXPECT_EQ(call(RemoveNode, {"D3"}), Value::boolean(true));
        call(AddNode, {"K3", "K31", "Lesson 3"});
        call(AddNode, {"K3", "K32", "Lesson 4"});
        rt::Dispatch& d = *args[0].toObject();
        rt::let(d, d.idOfName(u"Tag"), "Filled");
    };
    QTreeWidgetItem& unit = node("K3")->item();
    view()->expandItem(&unit);
    view()->collapseItem(&unit);
    view()->expandItem(&unit);
    EXPECT_EQ(rows().mid(4), (QStringList{"Unit 3", "Lesson 3", "Lesson 4"}));
    EXPECT_TRUE(unit.isExpanded());
    EXPECT_EQ(fills, 1);
}

TEST_F(TreeNodesByKey, ASortedTreeOrdersItsTopLevelOnly) {
    call(AddNode, {"K1", "K10", "a lesson"});
    rt::let(*tree, TSorted, Value::boolean(true));
    call(AddPrimaryNode, {"K0", "apples"});
    call(AddPrimaryNode, {"K5", "Unit 15"});
    EXPECT_EQ(rows(),
              (QStringList{"apples", "Unit 1", "Lesson 1", "Lesson 2", "a lesson", "Unit 15", "Unit 2"}));
}

TEST_F(TreeNodesByKey, TheNodeCollection) {
    rt::Dispatch& nodes = *get(TNodes).toObject();
    EXPECT_EQ(keyOf(rt::call(nodes, Nodes::Item, {Value::integer(3)})), "K12");
    EXPECT_EQ(keyOf(rt::get(nodes, Nodes::Item, {"K2"})), "K2");
    EXPECT_EQ(rt::errorOf([&] { rt::call(nodes, Nodes::Item, {Value::integer(5)}); }), 35600);
    EXPECT_EQ(rt::errorOf([&] { rt::call(nodes, Nodes::Add, {"K1", Value::integer(2), "K13", "x"}); }), 5);
    rt::call(nodes, Nodes::Add, {"K2", Value::integer(Nodes::child), "K21", "Lesson 3"});
    rt::call(nodes, Nodes::Add, {Value(), Value(), "K3", "Unit 3"});

    // Another tree takes copies of these nodes in place of its own.
    ctlTree copy;
    rt::call(copy, AddPrimaryNode, {"Z", "gone"});
    rt::set(copy, TNodes, get(TNodes));
    rt::Dispatch& copied = *rt::get(copy, TNodes).toObject();
    EXPECT_EQ(rt::get(copied, Nodes::Count).toInt32(), 6);
    EXPECT_EQ(keyOf(rt::call(copied, Nodes::Item, {"K21"})), "K21");
    EXPECT_EQ(rt::errorOf([&] { rt::call(copied, Nodes::Item, {"Z"}); }), 35601);
    rt::call(nodes, Nodes::Clear);
    EXPECT_EQ(count(), 0);
    EXPECT_EQ(rt::get(copied, Nodes::Count).toInt32(), 6);
}

} // namespace
