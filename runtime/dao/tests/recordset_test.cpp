// Recordsets and saved queries against real files.
#include "fixture.h"
#include "runtime/dao/dao_errors.h"

namespace daotest {
namespace {

using namespace rt::dao_error;
using rt::Value;
using rt::VarType;

class Recordsets : public DaoTest {};

TEST_F(Recordsets, Navigation) {
    rt::Database db = ws().openDatabase(makeCourse(QStringLiteral("course.mdb")));
    rt::Recordset rs = db.openSql(QStringLiteral("SELECT ResourceID FROM Resources ORDER BY ResourceID"));
    EXPECT_FALSE(rs.bof());
    EXPECT_EQ(rs.field(0).toInt32(), 7);
    rs.moveLast();
    EXPECT_EQ(rs.recordCount(), 4);
    EXPECT_EQ(rs.field(0).toInt32(), 10);
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(errorOf([&] { rs.moveNext(); }), NoCurrentRecord);
    rs.movePrevious();
    EXPECT_EQ(rs.field(0).toInt32(), 10);
    rs.moveFirst();
    rs.movePrevious();
    EXPECT_TRUE(rs.bof());
    EXPECT_FALSE(rs.eof());
    EXPECT_EQ(errorOf([&] { rs.movePrevious(); }), NoCurrentRecord);

    rt::Recordset none = db.openSql(QStringLiteral("SELECT * FROM Resources WHERE ResourceID = 0"));
    EXPECT_TRUE(none.bof() && none.eof());
    EXPECT_EQ(none.recordCount(), 0);
    EXPECT_EQ(errorOf([&] { none.moveFirst(); }), NoCurrentRecord);

    rt::Recordset forward =
        db.openSql(QStringLiteral("SELECT * FROM Resources"), rt::RecordsetType::ForwardOnly);
    forward.moveNext();
    EXPECT_EQ(errorOf([&] { forward.movePrevious(); }), InvalidOperation);
}

TEST_F(Recordsets, ValuesKeepTheirTypesAndNulls) {
    rt::Database db = openLinked();
    rt::Recordset rs = db.openTable(QStringLiteral("LessonPlans"));
    EXPECT_EQ(rs.field("lpdate").type(), VarType::Date);
    EXPECT_EQ(rs.field("LPDATE").toDate(), 46391); // 2027-01-04
    EXPECT_EQ(rs.field("blocked").type(), VarType::Boolean);
    EXPECT_EQ(rs.field("TreeID").type(), VarType::Long);
    EXPECT_TRUE(rs.field("Objective1").isNull());
    rs = db.openTable(QStringLiteral("LessonResources"));
    EXPECT_EQ(rs.field("Duration").type(), VarType::Integer);
    // An aggregate without rows gives one Null row.
    rs = db.openSql(
        QStringLiteral("SELECT MIN(LessonResources.ResourceID) AS NextID FROM LessonResources WHERE 0"));
    EXPECT_EQ(rs.recordCount(), 1);
    EXPECT_TRUE(rs.field("nextid").isNull());
}

// Field names compare without case, also beyond ASCII, where a UTF-8 name is longer than the field's.
TEST_F(Recordsets, FieldNamesWithoutCase) {
    rt::Database db = ws().openDatabase(
        makeDb(QStringLiteral("names.mdb"), QStringLiteral("CREATE TABLE t (Größe INTEGER, Id INTEGER); "
                                                           "INSERT INTO t VALUES (5, 7);")));
    rt::Recordset rs = db.openSql(QStringLiteral("SELECT * FROM t"));
    EXPECT_EQ(rs.field("GRÖßE").toInt32(), 5);
    EXPECT_EQ(rs.field("größe").toInt32(), 5);
    EXPECT_EQ(rs.field(u"größe").toInt32(), 5);
    EXPECT_EQ(rs.field("iD").toInt32(), 7);
    for (const char* other : {"I", "Ids", "Größ"})
        EXPECT_EQ(errorOf([&] { rs.field(other); }), NotInCollection) << other;
}

TEST_F(Recordsets, AddEditDeleteWriteThrough) {
    rt::Database db = openLinked();
    rt::Recordset rs = db.openTable(QStringLiteral("LessonResources"));
    EXPECT_TRUE(rs.bof() == false && rs.recordCount() == 1);
    rs.addNew();
    rs.setField("LessonPlanID", Value::longInt(1));
    rs.setField("ResourceID", Value::longInt(-1));
    rs.setField("Title", Value("My worksheet"));
    rs.setField("Descript", Value::null());
    rs.update();
    rs.edit();
    rs.setField("Duration", Value::integer(25));
    EXPECT_EQ(rs.field("Duration").toInt16(), 25); // the edit buffer
    rs.update();
    rs.close();

    rs = db.openSql(QStringLiteral("SELECT LessonItemID, ResourceID, Title, Duration, Header, Descript "
                                   "FROM LessonResources ORDER BY LessonItemID"));
    EXPECT_EQ(rowsOf(rs),
              QStringLiteral("1|7|Balloon|25|False|<null>\n2|-1|My worksheet|<null>|False|<null>"));
    rs.moveFirst();
    rs.remove();
    EXPECT_EQ(errorOf([&] { rs.field("Title"); }), RecordDeleted);
    rs.moveNext();
    EXPECT_EQ(rs.field("Title").toString(), QStringLiteral("My worksheet"));
    EXPECT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(db.openTable(QStringLiteral("LessonResources")).recordCount(), 1);
}

TEST_F(Recordsets, CountersAreNeverReused) {
    rt::Database db = openLinked();
    db.execute(QStringLiteral("DELETE FROM LessonPlans WHERE LessonPlanID = 2"));
    rt::Recordset rs = db.openTable(QStringLiteral("LessonPlans"));
    rs.addNew();
    rs.setField("Title", Value(QString(150, u'x') + QStringLiteral("yz")));
    rs.update();
    rs = db.openSql(
        QStringLiteral("SELECT LessonPlanID, length(Title) FROM LessonPlans ORDER BY LessonPlanID"));
    EXPECT_EQ(rowsOf(rs), QStringLiteral("1|3\n3|152"));
}

TEST_F(Recordsets, SavedQueryOverOneTableIsUpdatable) {
    rt::Database db = openLinked();
    rt::QueryDef q = db.queryDef(QStringLiteral("QUPDATETITLE"));
    q.setParameter(0, Value::longInt(1));
    rt::Recordset rs = q.open();
    ASSERT_TRUE(rs.updatable());
    rs.edit();
    rs.setField("Title", Value("Air moves"));
    rs.update();
    // SQL over one table whose key is selected is updatable too; a join is not.
    rs = db.openSql(QStringLiteral("SELECT * FROM LessonPlans WHERE LPDate = #2027-01-04#"));
    EXPECT_EQ(rs.field("Title").toString(), QStringLiteral("Air moves"));
    rs.edit();
    rs.setField("LPDate", Value::date(46399));
    rs.update();
    rs = db.openSql(QStringLiteral("SELECT COUNT(*) FROM LessonPlans WHERE LPDate = '2027-01-12'"));
    EXPECT_EQ(rs.field(0).toInt32(), 1);
    q = db.queryDef(QStringLiteral("qPlanResources"));
    rs = q.open();
    EXPECT_FALSE(rs.updatable());
    rs = db.openSql(QStringLiteral("SELECT LessonPlanID, Title || '!' AS Shout FROM LessonPlans"));
    rs.edit();
    EXPECT_EQ(errorOf([&] { rs.setField("Shout", Value("x")); }), FieldNotUpdatable);
    rs = db.openSql(QStringLiteral("SELECT Title FROM LessonPlans"));
    EXPECT_FALSE(rs.updatable()); // no key among the fields
}

TEST_F(Recordsets, ParametersByPositionAndByName) {
    rt::Database db = ws().openDatabase(makeCourse(QStringLiteral("course.mdb")));
    rt::QueryDef q = db.queryDef(QStringLiteral("qlessonresources"));
    EXPECT_EQ(q.name(), QStringLiteral("qLessonResources"));
    q.setParameter(0, Value::real(12.0)); // a double against an integer column
    rt::Recordset rs = q.open();
    EXPECT_EQ(rowsOf(rs), QStringLiteral("8|<null>\n7|Balloon\n9|Kite"));
    q = db.queryDef(QStringLiteral("qResource"));
    q.setParameter("id", Value("10")); // text against an integer column
    rs = q.open();
    EXPECT_EQ(rowsOf(rs), QStringLiteral("10|Rain gauge|0"));
    q.setParameter(0, Value::longInt(9)); // the named parameter is also position 0
    rs = q.open();
    EXPECT_EQ(rs.field("Title").toString(), QStringLiteral("Kite"));
}

TEST_F(Recordsets, ChangedQueryTextIsFetchedAgain) {
    rt::Database db = ws().openDatabase(makeCourse(QStringLiteral("course.mdb")));
    db.queryDef(QStringLiteral("qResource"));
    db.execute(QStringLiteral("UPDATE _queries SET sql = 'SELECT Title FROM Resources WHERE ResourceID = ?1' "
                              "WHERE name = 'qResource'"));
    rt::QueryDef q = db.queryDef(QStringLiteral("qResource"));
    q.setParameter(0, Value::longInt(7));
    rt::Recordset rs = q.open();
    EXPECT_EQ(rs.fieldCount(), 1);
}

TEST_F(Recordsets, CloneBookmarkAndFindFirst) {
    rt::Database db = ws().openDatabase(makeCourse(QStringLiteral("course.mdb")));
    rt::Recordset rs =
        db.openSql(QStringLiteral("SELECT ResourceID, Title FROM Resources ORDER BY SortOrder, ResourceID"));
    rt::Recordset clone = rs.clone();
    clone.moveLast();
    const int last = clone.bookmark();
    EXPECT_EQ(rs.field("ResourceID").toInt32(), 8); // the original did not move
    rs.setBookmark(last);
    EXPECT_EQ(rs.field("ResourceID").toInt32(), 9);
    EXPECT_TRUE(rs.findFirst("resourceid", Value::longInt(7)));
    EXPECT_EQ(rs.field("Title").toString(), QStringLiteral("Balloon"));
    EXPECT_FALSE(rs.findFirst("ResourceID", Value::longInt(99)));
    EXPECT_EQ(rs.field("ResourceID").toInt32(), 7);
    EXPECT_EQ(errorOf([&] { rs.setBookmark(17); }), BadBookmark);
    rs.close();
    EXPECT_EQ(errorOf([&] { rs.eof(); }), ObjectClosed);
}

} // namespace
} // namespace daotest
