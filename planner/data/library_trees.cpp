#include "library_trees.h"

#include "course_database.h"
#include "node_font.h"
#include "runtime/com/font_object.h"
#include "runtime/dao/engine.h"
#include "runtime/error.h"
#include "runtime/event_loop.h"
#include "runtime/outside/tree/tree_ids.h"
#include "saved_query.h"
#include "shared/course_settings.h"
#include "shared/lesson_text.h"

#include <map>

namespace {

// The tree's error for an add that failed.
constexpr int TreeAddFailed = 35602;
// A step the tree refuses with that error is tried again, this many times in all, then fails like any.
constexpr int StepTries = 3;

// The resource libraries caption their nodes with the row's Title and number them by ResLibID; the
// lesson tree captions by formatting code and numbers by TreeID.
enum class Library { Resources, Lessons };
enum class Failure { Passed, Trapped };

class Fill {
public:
    Fill(rt::EventLoop& loop, Library library, Failure failure)
        : loop_(loop), library_(library), retries_(failure == Failure::Trapped) {
        QFont font(BoldNodeFont.name);
        font.setPointSizeF(BoldNodeFont.size);
        font.setBold(BoldNodeFont.bold);
        bold_.setFont(font);
    }

    void roots(rt::Dispatch& tree, const QString& query);
    void children(rt::Dispatch& node, const QString& query);

private:
    template <class F> decltype(auto) step(F&& f);
    void addRows(rt::Dispatch& parent, rt::Recordset& rs);
    QString caption(const rt::Recordset& rs);
    const NodeAncestors& ancestors(qint32 parentID);
    rt::Dispatch& addChild(rt::Dispatch& parent, const QString& caption);

    rt::EventLoop& loop_;
    Library library_;
    bool retries_;
    rt::FontObject bold_;
    std::map<qint32, NodeAncestors> ancestors_;
};

template <class F> decltype(auto) Fill::step(F&& f) {
    for (int tries = 1;; ++tries) {
        try {
            return f();
        } catch (const rt::RuntimeError& e) {
            if (!retries_ || e.number != TreeAddFailed || tries == StepTries) throw;
        }
    }
}

void Fill::roots(rt::Dispatch& tree, const QString& query) {
    rt::Dispatch& root = *step([&] { return rt::get(tree, rt::pvTreeId::Root).toObject(); });
    step([&] { rt::call(root, rt::pvNodeId::RemoveAll); });
    rt::QueryDef q = step([&] { return CourseDB.queryDef(query); });
    rt::Recordset rs = step([&] { return q.open(); });
    addRows(root, rs);
    step([&] { rs.close(); });
}

void Fill::children(rt::Dispatch& node, const QString& query) {
    if (step([&] { return rt::get(node, rt::pvNodeId::Tag).toString(); }) == QLatin1String("Filled")) return;
    rt::QueryDef q = step([&] { return CourseDB.queryDef(query); });
    step([&] { q.setParameter(0, rt::Value::longInt(rt::get(node, rt::pvNodeId::Data).toInt32())); });
    rt::Recordset rs = step([&] { return q.open(); });
    step([&] { rt::call(node, rt::pvNodeId::RemoveChildren); });
    addRows(node, rs);
    step([&] { rs.close(); });
    step([&] { rt::let(node, rt::pvNodeId::Tag, QStringLiteral("Filled")); });
}

void Fill::addRows(rt::Dispatch& parent, rt::Recordset& rs) {
    const char* const number = library_ == Library::Resources ? "ResLibID" : "TreeID";
    while (HasRow(rs)) {
        const QString text = step([&] { return caption(rs); });
        rt::Dispatch& node = step([&]() -> rt::Dispatch& { return addChild(parent, text); });
        step([&] { rt::let(node, rt::pvNodeId::Data, rt::Value::longInt(rs.field(number).toInt32())); });
        step([&] { rt::let(node, rt::pvNodeId::Tag, QString()); });
        const bool hasChildren = step([&] {
            const rt::Value v = rs.field("HasChildren");
            return !v.isNull() && v.toBool();
        });
        if (hasChildren) {
            rt::Dispatch& placeholder = step([&]() -> rt::Dispatch& { return addChild(node, QString()); });
            step([&] { rt::let(placeholder, rt::pvNodeId::Tag, QStringLiteral("D")); });
            step([&] { rt::set(node, rt::pvNodeId::Font, rt::Value::object(&bold_)); });
        }
        step([&] { rs.moveNext(); });
        loop_.yield();
    }
}

QString Fill::caption(const rt::Recordset& rs) {
    if (library_ == Library::Resources) return rs.field("Title").toString();
    LessonInfoRecord info;
    GetLessonInfo(CourseDB, rs.field("TreeID").toInt32(), info);
    return ComposeNodeTitle(info, ancestors(info.ParentID), CourseSettings.StyleMakeLPAvailableNode,
                            ClassFilePath);
}

// The nodes of a level share their parent and grandparent, so a fill reads them once. A node's parent is
// its ParentID, as the parent query gives it; a root's 0 stands for no parent.
const NodeAncestors& Fill::ancestors(qint32 parentID) {
    auto it = ancestors_.find(parentID);
    if (it == ancestors_.end())
        it = ancestors_.emplace(parentID, GetNodeAncestors(CourseDB, parentID != 0 ? parentID : -999)).first;
    return it->second;
}

rt::Dispatch& Fill::addChild(rt::Dispatch& parent, const QString& caption) {
    return *rt::call(parent, rt::pvNodeId::AddChild, {rt::Value::longInt(0), rt::Value::integer(0), caption})
                .toObject();
}

// A lesson level's look-ups (a node each, and its ancestors) run in one read transaction: each query then
// finds the course database locked and checked already, instead of doing both again, which costs more
// than the query. It ends by a commit, never a rollback, also when the fill fails, so that whatever the
// message loop's other handlers write during the fill is kept.
template <class F> void inOneReading(F&& fill) {
    rt::Workspace& ws = rt::DBEngine::instance().workspace();
    ws.beginTrans();
    try {
        fill();
    } catch (const rt::RuntimeError&) {
        try {
            ws.commitTrans();
        } catch (const rt::RuntimeError&) {
        }
        throw;
    }
    ws.commitTrans();
}

// The trapping fills end at their first failure without a word, keeping the nodes added so far.
template <class F> void silently(F&& fill) {
    try {
        fill();
    } catch (const rt::RuntimeError&) {
    }
}

} // namespace

void FillResourceTypeRoots(rt::EventLoop& loop, rt::Dispatch& tree) {
    Fill fill(loop, Library::Resources, Failure::Trapped);
    silently([&] { fill.roots(tree, QStringLiteral("qFillResourceTypeRoots")); });
}

void FillChapterTreeRoots(rt::EventLoop& loop, rt::Dispatch& tree) {
    Fill(loop, Library::Resources, Failure::Passed).roots(tree, QStringLiteral("qFillResourceChapterRoots"));
}

void FillLessonTreeRoots(rt::EventLoop& loop, rt::Dispatch& tree) {
    inOneReading([&] {
        Fill(loop, Library::Lessons, Failure::Passed).roots(tree, QStringLiteral("qFillLessonTreeRoots"));
    });
}

void FillLessonChildren(rt::EventLoop& loop, rt::Dispatch& node) {
    inOneReading([&] {
        Fill(loop, Library::Lessons, Failure::Passed).children(node, QStringLiteral("qFillLessonChildren"));
    });
}

void FillResourcetypeChildren(rt::EventLoop& loop, rt::Dispatch& node) {
    Fill fill(loop, Library::Resources, Failure::Trapped);
    silently([&] { fill.children(node, QStringLiteral("qFillResourceTypeChildren")); });
}

void FillchapterTreeChildren(rt::EventLoop& loop, rt::Dispatch& node) {
    Fill fill(loop, Library::Resources, Failure::Trapped);
    silently([&] { fill.children(node, QStringLiteral("qFillResourceChapterChildren")); });
}
