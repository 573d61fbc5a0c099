// Opening, links and transactions against real files.
#include "fixture.h"
#include "io_fault_vfs.h"
#include "runtime/dao/dao_errors.h"
#include "runtime/dao/detail/connection.h"
#include "runtime/dao/in_one_transaction.h"

#include <QFileInfo>
#include <functional>

namespace daotest {
namespace {

using namespace rt::dao_error;
using rt::Value;

class Opening : public DaoTest {};

TEST_F(Opening, NeverCreatesAFile) {
    const QString missing = path(QStringLiteral("none.lkc"));
    for (bool exclusive : {false, true})
        for (bool readOnly : {false, true})
            EXPECT_EQ(errorOf([&] { ws().openDatabase(missing, exclusive, readOnly); }), FileNotFound);
    EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST_F(Opening, ReadOnlyReadsButNeverWrites) {
    rt::Database db = ws().openDatabase(makeCourse(QStringLiteral("course.mdb")), false, true);
    rt::Recordset rs = db.openTable(QStringLiteral("Resources"));
    EXPECT_EQ(rs.recordCount(), 4);
    EXPECT_FALSE(rs.updatable());
    EXPECT_EQ(errorOf([&] { rs.edit(); }), ReadOnly);
}

TEST_F(Opening, ExclusiveHoldsTheLockUntilClose) {
    const QString cls = makeClassFile(QStringLiteral("class.lkc"));
    rt::Database holder = ws().openDatabase(cls, true);
    rt::Recordset rs = holder.openTable(QStringLiteral("Version"));
    EXPECT_EQ(rs.field("DBName").toString(), QStringLiteral("COURSE"));
    const int waits = rt::detail::Connection::busyWaits();
    EXPECT_EQ(errorOf([&] { ws().openDatabase(cls); }), FileInUse);
    EXPECT_GT(rt::detail::Connection::busyWaits(), waits); // the second opener waited for the lock
    EXPECT_EQ(errorOf([&] { ws().openDatabase(cls, false, true); }), FileInUse);
    holder.close();
    EXPECT_EQ(errorOf([&] { ws().openDatabase(cls, true).close(); }), 0);
}

TEST_F(Opening, LastHandleGoneClosesTheFile) {
    const QString cls = makeClassFile(QStringLiteral("class.lkc"));
    { rt::Database held = ws().openDatabase(cls, true); }
    EXPECT_EQ(errorOf([&] { ws().openDatabase(cls, true); }), 0);
}

TEST_F(Opening, SharedOpenersWorkSideBySide) {
    const QString course = makeCourse(QStringLiteral("course.mdb"));
    rt::Database planner = ws().openDatabase(course);
    rt::Database editor = ws().openDatabase(course);
    editor.execute(QStringLiteral("UPDATE Resources SET Title = 'Kite kit' WHERE ResourceID = 9"));
    rt::Recordset rs = planner.openSql(QStringLiteral("SELECT Title FROM Resources WHERE ResourceID = 9"));
    EXPECT_EQ(rs.field("title").toString(), QStringLiteral("Kite kit"));
    EXPECT_EQ(planner.name(), course);
}

class Links : public DaoTest {};

TEST_F(Links, LinkNamesReadAndWriteTheClassFile) {
    QString cls;
    rt::Database db = openLinked(&cls);
    // Table-type, saved query, action query, SQL text across both files.
    rt::Recordset plans = db.openTable(QStringLiteral("LessonPlans"));
    EXPECT_EQ(plans.recordCount(), 2);
    plans.addNew();
    plans.setField("TreeID", Value::longInt(13));
    plans.setField("LPDate", Value::date(46393)); // 2027-01-06
    plans.setField("Title", Value("Rain"));
    plans.update();
    plans.close();

    rt::QueryDef span = db.queryDef(QStringLiteral("qSpan"));
    span.setParameter(0, Value::date(46392));
    span.setParameter(1, Value::date(46393));
    rt::Recordset rs = span.open();
    EXPECT_EQ(rowsOf(rs), QStringLiteral("2\n3"));

    rt::QueryDef del = db.queryDef(QStringLiteral("qDeletePlan"));
    del.setParameter(0, Value::longInt(2));
    del.execute();
    rs = db.openSql(QStringLiteral("SELECT p.Title, r.Title AS Resource FROM LessonPlans p "
                                   "LEFT JOIN LessonResources r ON r.LessonPlanID = p.LessonPlanID "
                                   "JOIN Resources c ON c.TreeID = p.TreeID AND c.ResourceID = 7"));
    EXPECT_EQ(rowsOf(rs), QStringLiteral("Air|Balloon"));
    rs = db.openTable(QStringLiteral("ClassVersion"));
    EXPECT_EQ(rs.field("DBVersion").toString(), QStringLiteral("LK2-0.0.3"));
    db.close();

    // The writes are in the class file itself.
    rs =
        ws().openDatabase(cls).openSql(QStringLiteral("SELECT Title FROM LessonPlans ORDER BY LessonPlanID"));
    EXPECT_EQ(rowsOf(rs), QStringLiteral("Air\nRain"));
}

TEST_F(Links, SurviveClosingAndAreAttachedAtOpen) {
    QString cls;
    openLinked(&cls).close();
    rt::Database db = ws().openDatabase(path(QStringLiteral("course.mdb")));
    for (const char* name : {"Class", "LessonPlans", "LessonResources", "ClassVersion"})
        EXPECT_TRUE(db.tableDefExists(QString::fromLatin1(name)));
    EXPECT_FALSE(db.tableDefExists(QStringLiteral("lessonplans"))); // exact name
    EXPECT_FALSE(db.tableDefExists(QStringLiteral("Version")));
    rt::Recordset rs = db.openTable(QStringLiteral("Class"));
    EXPECT_EQ(rs.field("Teacher").toString(), QStringLiteral("Ms. Reed"));
}

TEST_F(Links, DeletedLinksAreGoneForGood) {
    rt::Database db = openLinked();
    EXPECT_EQ(db.openTable(QStringLiteral("LessonPlans")).recordCount(), 2);
    for (const char* name : {"ClassVersion", "LessonPlans", "LessonResources", "Class"})
        db.deleteTableDef(QString::fromLatin1(name));
    EXPECT_FALSE(db.tableDefExists(QStringLiteral("LessonPlans")));
    EXPECT_EQ(errorOf([&] { db.openTable(QStringLiteral("LessonPlans")); }), TableNotFound);
    EXPECT_EQ(errorOf([&] { db.openTable(QStringLiteral("ClassVersion")); }), TableNotFound);
    db.close();
    db = ws().openDatabase(path(QStringLiteral("course.mdb")));
    EXPECT_FALSE(db.tableDefExists(QStringLiteral("Class")));
}

TEST_F(Links, ReplacedLinkPointsAtTheNewFile) {
    rt::Database db = openLinked();
    const QString other = makeDb(QStringLiteral("other.lkc"),
                                 QStringLiteral("CREATE TABLE LessonPlans (LessonPlanID INTEGER PRIMARY KEY, "
                                                "Title TEXT); INSERT INTO LessonPlans VALUES (5, 'Other');"));
    db.deleteTableDef(QStringLiteral("LessonPlans"));
    db.appendLink(QStringLiteral("LessonPlans"), QStringLiteral("LessonPlans"), connectTo(other));
    rt::Recordset rs = db.openSql(QStringLiteral("SELECT Title FROM LessonPlans"));
    EXPECT_EQ(rowsOf(rs), QStringLiteral("Other"));
    rs = db.openTable(QStringLiteral("Class")); // the other links still reach the first file
    EXPECT_EQ(rs.field("Teacher").toString(), QStringLiteral("Ms. Reed"));
}

TEST_F(Links, MakingALinkDoesNotReadTheHeldFile) {
    // The class file stays held by its own exclusive opener while the links are made.
    const QString cls = makeClassFile(QStringLiteral("class.lkc"));
    rt::Database held = ws().openDatabase(cls, true);
    rt::Database course = ws().openDatabase(makeCourse(QStringLiteral("course.mdb")));
    const int waits = rt::detail::Connection::busyWaits();
    for (const char* name : {"Class", "LessonPlans"}) {
        const QString n = QString::fromLatin1(name);
        if (course.tableDefExists(n)) course.deleteTableDef(n);
        course.appendLink(n, n, connectTo(cls));
    }
    EXPECT_EQ(rt::detail::Connection::busyWaits(), waits); // never waited on the held lock
    held.close();
    EXPECT_EQ(course.openTable(QStringLiteral("LessonPlans")).recordCount(), 2);
}

TEST_F(Links, StatementsThatNameNoLinkLeaveTheLinkedFileAlone) {
    // Another program holds the linked class file exclusively; the course's own tables stay usable, and
    // a link is reached once the file is free.
    QString cls;
    openLinked(&cls).close();
    rt::Database held = ws().openDatabase(cls, true);
    rt::Database course = ws().openDatabase(path(QStringLiteral("course.mdb")));
    rt::Recordset rs = course.openSql(QStringLiteral("SELECT Title FROM Resources WHERE ResourceID = 9"));
    EXPECT_EQ(rs.recordCount(), 1);
    course.execute(QStringLiteral("UPDATE Resources SET Title = 'Kite kit' WHERE ResourceID = 9"));
    held.close();
    EXPECT_EQ(course.openTable(QStringLiteral("LessonPlans")).recordCount(), 2);
}

TEST_F(Links, FieldAppendedIsReadBySelectsPreparedBefore) {
    const QString cls =
        makeDb(QStringLiteral("old.lkc"),
               QStringLiteral("CREATE TABLE LessonResources (LessonItemID INTEGER PRIMARY KEY, Title TEXT); "
                              "INSERT INTO LessonResources VALUES (1, 'a');"));
    rt::Database db = ws().openDatabase(cls, true);
    EXPECT_EQ(db.openTable(QStringLiteral("LessonResources")).fieldCount(), 2);
    db.appendField(QStringLiteral("LessonResources"), QStringLiteral("SortIndex"), rt::FieldType::Integer);
    rt::Recordset rs = db.openTable(QStringLiteral("LessonResources"));
    ASSERT_EQ(rs.fieldCount(), 3);
    EXPECT_TRUE(rs.field("SortIndex").isNull());
    EXPECT_EQ(errorOf([&] {
                  db.appendField(QStringLiteral("LessonResources"), QStringLiteral("sortindex"),
                                 rt::FieldType::Integer);
              }),
              FieldExists);
}

class Transactions : public DaoTest {};

TEST_F(Transactions, CommitCoversCourseAndClassFile) {
    QString cls;
    rt::Database db = openLinked(&cls);
    ws().beginTrans();
    db.execute(QStringLiteral("DELETE FROM LessonResources"));
    db.execute(QStringLiteral("UPDATE Resources SET Title = 'Changed'"));
    ws().commitTrans();
    EXPECT_EQ(db.openTable(QStringLiteral("LessonResources")).recordCount(), 0);
    rt::Recordset rs = db.openSql(QStringLiteral("SELECT DISTINCT Title FROM Resources"));
    EXPECT_EQ(rowsOf(rs), QStringLiteral("Changed"));
}

TEST_F(Transactions, RollbackUndoesBothFiles) {
    rt::Database db = openLinked();
    ws().beginTrans();
    db.execute(QStringLiteral("DELETE FROM LessonPlans"));
    db.execute(QStringLiteral("DELETE FROM Resources"));
    rt::Recordset rs = db.openTable(QStringLiteral("LessonPlans"));
    EXPECT_EQ(rs.recordCount(), 0);
    ws().rollback();
    EXPECT_EQ(db.openTable(QStringLiteral("LessonPlans")).recordCount(), 2);
    EXPECT_EQ(db.openTable(QStringLiteral("Resources")).recordCount(), 4);
    EXPECT_EQ(errorOf([&] { ws().rollback(); }), NoTransaction);
}

// A commit that the disk refuses stores nothing and leaves no transaction open, so the next piece of
// work starts afresh instead of joining a half-ended one.
TEST_F(Transactions, ACommitTheDiskRefusesStoresNothingAndEndsTheTransaction) {
    const QString course = makeCourse(QStringLiteral("course.mdb"));
    IoFaultVfs vfs;
    rt::Database db = ws().openDatabase(course);
    EXPECT_EQ(errorOf([&] {
                  rt::inOneTransaction([&] {
                      db.execute(QStringLiteral("DELETE FROM Resources"));
                      vfs.fail(IoFaultVfs::Fail::Writes);
                  });
              }),
              DiskError);
    vfs.fail(IoFaultVfs::Fail::Nothing);
    EXPECT_EQ(errorOf([&] { ws().rollback(); }), NoTransaction);
    EXPECT_EQ(db.openTable(QStringLiteral("Resources")).recordCount(), 4);
    rt::inOneTransaction([&] { db.execute(QStringLiteral("DELETE FROM Resources WHERE ResourceID = 7")); });
    rt::DBEngine::instance().idle();
    EXPECT_EQ(ws().openDatabase(course).openTable(QStringLiteral("Resources")).recordCount(), 3);
}

// On a full disk SQLite may end the whole transaction itself, every level of it: the disk's error is the
// one told, no level is left open, and the next transaction stores its work.
TEST_F(Transactions, AWriteTheFullDiskRefusesIsToldAndLeavesNoLevelOpen) {
    const QString course = makeCourse(QStringLiteral("course.mdb"));
    IoFaultVfs vfs;
    rt::Database db = ws().openDatabase(course);
    const auto write = [&] {
        vfs.fail(IoFaultVfs::Fail::DiskFull);
        db.execute(QStringLiteral("INSERT INTO Resources VALUES (20, 12, 'Kite', 5, 3, 0)"));
    };
    for (const int levels : {1, 2, 3}) {
        std::function<void()> work = write;
        for (int level = 1; level < levels; ++level) work = [work] { rt::inOneTransaction(work); };
        try {
            rt::inOneTransaction(work);
            ADD_FAILURE() << levels;
        } catch (const rt::RuntimeError& e) {
            EXPECT_EQ(e.number, DiskError) << levels;
            EXPECT_TRUE(e.description.contains(QStringLiteral("full"))) << e.description.toStdString();
        }
        vfs.fail(IoFaultVfs::Fail::Nothing);
        EXPECT_EQ(errorOf([&] { ws().rollback(); }), NoTransaction) << levels;
        EXPECT_EQ(db.openTable(QStringLiteral("Resources")).recordCount(), 4) << levels;
    }
    rt::inOneTransaction([&] { db.execute(QStringLiteral("DELETE FROM Resources WHERE ResourceID = 7")); });
    rt::DBEngine::instance().idle();
    EXPECT_EQ(ws().openDatabase(course).openTable(QStringLiteral("Resources")).recordCount(), 3);
}

TEST_F(Transactions, WorkspaceCloseEndsEverything) {
    rt::Database a = ws().openDatabase(makeCourse(QStringLiteral("course.mdb")));
    rt::Database b = ws().openDatabase(makeClassFile(QStringLiteral("class.lkc")), true);
    ws().beginTrans();
    a.execute(QStringLiteral("DELETE FROM Resources"));
    ws().close();
    EXPECT_FALSE(a.isOpen());
    EXPECT_FALSE(b.isOpen());
    rt::DBEngine::instance().idle();
    EXPECT_EQ(ws().openDatabase(path(QStringLiteral("course.mdb")))
                  .openTable(QStringLiteral("Resources"))
                  .recordCount(),
              4);
}

} // namespace
} // namespace daotest
