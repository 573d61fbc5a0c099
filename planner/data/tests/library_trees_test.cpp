#include "planner/data/course_database.h"
#include "planner/data/library_trees.h"
#include "planner/data/node_font.h"
#include "planner/data/testing/course_fixture.h"
#include "runtime/dao/engine.h"
#include "runtime/error.h"
#include "runtime/outside/tree/outside_tree.h"
#include "runtime/outside/tree/tree_ids.h"
#include "runtime/outside/tree/tree_node.h"
#include "runtime/testing/error_of.h"
#include "shared/course_settings.h"
#include "shared/lesson_text.h"

#include <QTreeWidget>
#include <climits>
#include <memory>
#include <vector>

namespace {

using rt::pvNodeId::AddChild;

// The outside tree behind a wrapper whose adds the tree refuses with 35602: from the `refuseFrom`-th
// attempt on, `refusals` attempts in a row. Every node handed out is wrapped as well.
class RefusingTree : public rt::Dispatch {
public:
    explicit RefusingTree(rt::Dispatch& tree) : tree_(tree) {}

    rt::Value invoke(rt::DispId id, rt::CallKind kind, rt::Args& args) override {
        return wrap(tree_.invoke(id, kind, args));
    }
    std::span<const rt::Member> members() const override { return tree_.members(); }

    int attempts = 0;
    int refuseFrom = INT_MAX;
    int refusals = 0;

private:
    class Node : public rt::Dispatch {
    public:
        Node(RefusingTree& owner, rt::Dispatch& inner) : owner_(owner), inner_(inner) {}
        rt::Value invoke(rt::DispId id, rt::CallKind kind, rt::Args& args) override {
            if (id == AddChild && owner_.refused()) throw rt::RuntimeError(35602);
            return owner_.wrap(inner_.invoke(id, kind, args));
        }
        std::span<const rt::Member> members() const override { return inner_.members(); }

    private:
        RefusingTree& owner_;
        rt::Dispatch& inner_;
    };

    bool refused() {
        ++attempts;
        return attempts >= refuseFrom && attempts - refuseFrom < refusals;
    }
    rt::Value wrap(const rt::Value& v) {
        if (v.type() != rt::VarType::Object || !v.toObject()) return v;
        nodes_.push_back(std::make_unique<Node>(*this, *v.toObject()));
        return rt::Value::object(nodes_.back().get());
    }

    rt::Dispatch& tree_;
    std::vector<std::unique_ptr<Node>> nodes_;
};

class LibraryTrees : public CourseFixture {
protected:
    void SetUp() override {
        CourseFixture::SetUp();
        BoldNodeFont = {"MS Sans Serif", 8, true};
        open("SAMPLE1");
    }
    void TearDown() override {
        BoldNodeFont = {};
        CourseFixture::TearDown();
    }
    void open(const QString& course) {
        OpenCourseDatabase(platform, course);
        ASSERT_TRUE(CourseDB.isOpen());
    }

    // The tree, one line a node, indented by level: caption | data number | marker, and "bold".
    QStringList shape() const {
        QStringList out;
        const std::function<void(QTreeWidgetItem*, int)> walk = [&](QTreeWidgetItem* item, int level) {
            for (int i = 0; i < item->childCount(); ++i) {
                QTreeWidgetItem* c = item->child(i);
                out << QString(2 * level, u' ') + c->text(0) + " | " +
                           QString::number(c->data(0, Qt::UserRole).toInt()) + " | " +
                           c->data(0, Qt::UserRole + 1).toString() + (c->font(0).bold() ? " | bold" : "");
                walk(c, level + 1);
            }
        };
        walk(tree.view()->invisibleRootItem(), 0);
        return out;
    }
    // The node at a path of child indexes from the top level.
    rt::Dispatch& node(std::initializer_list<int> path) const {
        QTreeWidgetItem* item = tree.view()->invisibleRootItem();
        for (int i : path) item = item->child(i);
        return *rt::TreeNode::objectOf(item).toObject();
    }
    void dropQuery(const char* name) {
        CourseDB.execute(QString("DELETE FROM _queries WHERE name = '%1'").arg(name));
    }

    rt::OutsideTree tree;
};

const QStringList chapterRoots = {
    "Unit 1: Air and Sky | 100 |  | bold",
    "   | 0 | D",
    "Unit 2: Water on the Move | 110 |  | bold",
    "   | 0 | D",
    "Weather Log Pages | 120 | ",
    "Classroom Posters | 130 | ",  // HasChildren Null
    "Coming Soon | 140 |  | bold", // says it has children, has none
    "   | 0 | D",
    "Empty Shelf | 150 | ",
};

TEST_F(LibraryTrees, ChapterRootsWithPlaceholders) {
    FillChapterTreeRoots(loop, tree);
    EXPECT_EQ(shape(), chapterRoots);
    EXPECT_EQ(loop.count, 6); // one turn a row
    EXPECT_EQ(tree.view()->topLevelItem(0)->font(0).family(), "MS Sans Serif");
    EXPECT_EQ(tree.view()->topLevelItem(0)->font(0).pointSizeF(), 8);

    // A second fill starts from an empty tree.
    FillChapterTreeRoots(loop, tree);
    EXPECT_EQ(shape(), chapterRoots);
}

TEST_F(LibraryTrees, ResourceChildrenReplaceThePlaceholder) {
    FillChapterTreeRoots(loop, tree);
    FillchapterTreeChildren(loop, node({0}));
    FillchapterTreeChildren(loop, node({4})); // no children after all
    EXPECT_EQ(shape(), (QStringList{
                           "Unit 1: Air and Sky | 100 | Filled | bold",
                           "  What Is Air? | 101 | ",
                           "  Clouds | 102 | ",
                           "Unit 2: Water on the Move | 110 |  | bold",
                           "   | 0 | D",
                           "Weather Log Pages | 120 | ",
                           "Classroom Posters | 130 | ",
                           "Coming Soon | 140 | Filled | bold",
                           "Empty Shelf | 150 | ",
                       }));

    FillResourceTypeRoots(loop, tree);
    FillResourcetypeChildren(loop, node({1}));
    EXPECT_EQ(shape(),
              (QStringList{"Teacher Guides | 200 |  | bold", "   | 0 | D", "Activities | 210 | Filled | bold",
                           "  Hands-On | 211 | ", "  Worksheets | 212 | ", "Videos | 220 | "}));
}

// SAMPLE1 captions lesson nodes by code 5: the title of a node with children, else numbered.
TEST_F(LibraryTrees, LessonTreeLevelByLevel) {
    FillLessonTreeRoots(loop, tree);
    const QStringList roots = {
        "Weather Tools | 50 |  | bold",
        "   | 0 | D",
        "Air and Sky | 10 |  | bold",
        "   | 0 | D",
        "Water on the Move | 30 |  | bold",
        "   | 0 | D",
        ".3 Weather Journal Kickoff | 60 | ",
        ".4 Storm Safety Review | 70 | ", // HasChildren Null
        "Seasons | 80 |  | bold",         // says it has children, has none
        "   | 0 | D",
    };
    EXPECT_EQ(shape(), roots);
    EXPECT_EQ(loop.count, 6);

    FillLessonChildren(loop, node({1}));
    FillLessonChildren(loop, node({1, 1}));
    FillLessonChildren(loop, node({5}));
    EXPECT_EQ(shape(), (QStringList{
                           "Weather Tools | 50 |  | bold",
                           "   | 0 | D",
                           "Air and Sky | 10 | Filled | bold",
                           "  Clouds | 15 |  | bold",
                           "     | 0 | D",
                           "  What Is Air? | 11 | Filled | bold",
                           "    2.1 Air Takes Up Space | 12 | ",
                           "    2.2 Air Has Weight | 13 | ",
                           "    2.3 Moving Air Is Wind | 14 | ",
                           "Water on the Move | 30 |  | bold",
                           "   | 0 | D",
                           ".3 Weather Journal Kickoff | 60 | ",
                           ".4 Storm Safety Review | 70 | ",
                           "Seasons | 80 | Filled | bold",
                       }));
    EXPECT_EQ(loop.count, 6 + 2 + 3);

    FillLessonTreeRoots(loop, tree);
    EXPECT_EQ(shape(), roots);
}

// A fill reads a level's parent and grandparent once: each caption is still the node's own title, also
// under the codes that show both ancestors, at every level.
TEST_F(LibraryTrees, LessonCaptionsAreTheNodesTitles) {
    for (const qint16 code : {4, 6, 28}) {
        CourseSettings.StyleMakeLPAvailableNode = code;
        FillLessonTreeRoots(loop, tree);
        FillLessonChildren(loop, node({1}));
        FillLessonChildren(loop, node({1, 1}));
        for (const auto& path :
             std::vector<std::vector<int>>{{0}, {3}, {1, 0}, {1, 1}, {1, 1, 0}, {1, 1, 2}}) {
            QTreeWidgetItem* item = tree.view()->invisibleRootItem();
            for (int i : path) item = item->child(i);
            LessonInfoRecord info;
            GetLessonInfo(CourseDB, item->data(0, Qt::UserRole).toInt(), info);
            EXPECT_EQ(item->text(0), FormatNodeTitle(CourseDB, info, code))
                << code << " " << item->text(0).toStdString();
        }
    }
}

TEST_F(LibraryTrees, FilledNodeRunsNoQuery) {
    FillLessonTreeRoots(loop, tree);
    FillLessonChildren(loop, node({1}));
    FillchapterTreeChildren(loop, node({2})); // marks the unit, whatever the library
    const QStringList before = shape();
    const int turns = loop.count;
    dropQuery("qFillLessonChildren");
    dropQuery("qFillResourceChapterChildren");
    FillLessonChildren(loop, node({1}));
    FillchapterTreeChildren(loop, node({1}));
    EXPECT_EQ(shape(), before);
    EXPECT_EQ(loop.count, turns);
    EXPECT_EQ(rt::errorOf([&] { FillLessonChildren(loop, node({0})); }), 3265); // an unfilled node asks
}

TEST_F(LibraryTrees, EmptyRootQueryLeavesAnEmptyTree) {
    FillResourceTypeRoots(loop, tree);
    ASSERT_EQ(tree.view()->topLevelItemCount(), 3);
    open("SAMPLE0"); // its type library is empty
    FillResourceTypeRoots(loop, tree);
    EXPECT_TRUE(shape().isEmpty());
}

TEST_F(LibraryTrees, MissingQueryEndsTheTrappingFillsSilently) {
    FillResourceTypeRoots(loop, tree);
    dropQuery("qFillResourceTypeRoots");
    dropQuery("qFillResourceChapterRoots");
    EXPECT_EQ(rt::errorOf([&] { FillResourceTypeRoots(loop, tree); }), 0);
    EXPECT_TRUE(shape().isEmpty()); // emptied before the query was asked for
    EXPECT_EQ(rt::errorOf([&] { FillChapterTreeRoots(loop, tree); }), 3265);
}

// Adds of the type library's roots: 200, its placeholder, 210, its placeholder, 220.
TEST_F(LibraryTrees, RefusedAddIsTriedThreeTimes) {
    RefusingTree refusing(tree);
    refusing.refuseFrom = 3;
    refusing.refusals = 2;
    FillResourceTypeRoots(loop, refusing);
    EXPECT_EQ(shape(), (QStringList{"Teacher Guides | 200 |  | bold", "   | 0 | D",
                                    "Activities | 210 |  | bold", "   | 0 | D", "Videos | 220 | "}));
    EXPECT_EQ(refusing.attempts, 5 + 2);
}

TEST_F(LibraryTrees, AddRefusedForGoodEndsTheFill) {
    RefusingTree refusing(tree);
    refusing.refuseFrom = 3;
    refusing.refusals = INT_MAX;
    FillResourceTypeRoots(loop, refusing);
    EXPECT_EQ(shape(), (QStringList{"Teacher Guides | 200 |  | bold", "   | 0 | D"}));
    EXPECT_EQ(refusing.attempts, 2 + 3);

    // The fills that trap nothing pass the refusal on at once.
    refusing.attempts = 0;
    refusing.refuseFrom = 2;
    EXPECT_EQ(rt::errorOf([&] { FillChapterTreeRoots(loop, refusing); }), 35602);
    EXPECT_EQ(shape(), QStringList{"Unit 1: Air and Sky | 100 | "});
    EXPECT_EQ(refusing.attempts, 2);
}

// A lesson fill reads in one transaction of the engine; a failing one ends it too, so that what is
// written afterwards is stored at once.
TEST_F(LibraryTrees, FailedLessonFillEndsItsTransaction) {
    RefusingTree refusing(tree);
    refusing.refuseFrom = 2;
    refusing.refusals = INT_MAX;
    EXPECT_EQ(rt::errorOf([&] { FillLessonTreeRoots(loop, refusing); }), 35602);
    CourseDB.execute("UPDATE LessonTree SET Title = 'Renamed' WHERE TreeID = 10");
    rt::Database other = rt::DBEngine::instance().workspace().openDatabase(path("SAMPLE1.mdb"));
    rt::Recordset rs = other.openSql("SELECT Title FROM LessonTree WHERE TreeID = 10");
    EXPECT_EQ(rs.field("Title").toString(), "Renamed");
}

TEST_F(LibraryTrees, FailedChildrenFillIsDoneAgainOnTheNextExpansion) {
    RefusingTree refusing(tree);
    FillChapterTreeRoots(loop, refusing);
    rt::Dispatch& unit = *rt::call(*rt::get(refusing, rt::pvTreeId::Root).toObject(), rt::pvNodeId::Relative,
                                   {rt::Value::integer(rt::pvRelation::First), rt::Value::integer(0)})
                              .toObject();
    refusing.refuseFrom = refusing.attempts + 2; // the second child
    refusing.refusals = INT_MAX;
    FillchapterTreeChildren(loop, unit);
    EXPECT_EQ(shape().mid(0, 3),
              (QStringList{"Unit 1: Air and Sky | 100 |  | bold", "  What Is Air? | 101 | ",
                           "Unit 2: Water on the Move | 110 |  | bold"}));

    refusing.refusals = 0;
    FillchapterTreeChildren(loop, unit);
    EXPECT_EQ(shape().mid(0, 4),
              (QStringList{"Unit 1: Air and Sky | 100 | Filled | bold", "  What Is Air? | 101 | ",
                           "  Clouds | 102 | ", "Unit 2: Water on the Move | 110 |  | bold"}));
}

} // namespace
