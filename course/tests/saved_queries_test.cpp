// Every saved query of the sample courses, with what its callers rely on, run against the built files
// with a worked class linked in.
#include "runtime/dao/dao_errors.h"
#include "runtime/dao/tests/fixture.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

using rt::errorOf;
using rt::Value;
using namespace rt::dao_error;

Value day(int y, int m, int d) {
    return Value::date(rt::Value(QStringLiteral("%1-%2-%3").arg(y).arg(m).arg(d)).toDate());
}

// A copy of a built course with a copy of a class file linked as the planner links it.
class LinkedCourse : public ::testing::Test {
protected:
    rt::Database open(const char* course, const char* classFile) {
        const QString db = dir.filePath(QStringLiteral("course.mdb")),
                      cls = dir.filePath(QStringLiteral("class.lkc"));
        EXPECT_TRUE(QFile::copy(QString::fromUtf8(course), db));
        EXPECT_TRUE(QFile::copy(QString::fromUtf8(classFile), cls));
        rt::Database d = ws().openDatabase(db);
        const QString connect = daotest::connectTo(cls);
        for (const char* link : {"Class", "LessonPlans", "LessonResources"})
            d.appendLink(QString::fromLatin1(link), QString::fromLatin1(link), connect);
        d.appendLink(QStringLiteral("ClassVersion"), QStringLiteral("Version"), connect);
        return d;
    }
    void TearDown() override { ws().close(); }
    rt::Workspace& ws() { return rt::DBEngine::instance().workspace(); }
    QTemporaryDir dir;
};

struct Case {
    const char* query;
    std::vector<Value> parameters; // by position
    QStringList fields;            // the fields shown; all when empty
    QString rows;                  // one line per row, fields joined by "|"
};

QString run(rt::Database& db, const Case& c) {
    rt::QueryDef q = db.queryDef(QString::fromLatin1(c.query));
    for (size_t i = 0; i < c.parameters.size(); ++i) q.setParameter(int(i), c.parameters[i]);
    rt::Recordset rs = q.open();
    if (c.fields.isEmpty()) return daotest::rowsOf(rs);
    QStringList rows;
    for (; !rs.eof(); rs.moveNext()) {
        QStringList fields;
        for (const QString& f : c.fields) {
            const Value v = rs.field(f);
            fields << (v.isNull() ? QStringLiteral("<null>") : v.toString());
        }
        rows << fields.join(u'|');
    }
    return rows.join(u'\n');
}

const QStringList allQueries = {"qLessonScheduled",
                                "qLoadLessonPlan",
                                "qAddBWLesson",
                                "qUpdateLessonObjectives",
                                "qDeleteLessonPlanResources",
                                "qDeleteLessonPlan",
                                "qGetBwLessonInfo",
                                "qAddCoreResources",
                                "qAddResourceToLesson",
                                "qLessonTime",
                                "qResourcesToArray",
                                "qSwapResourceSort",
                                "qNextSortOrder",
                                "qFillResourceTypeRoots",
                                "qFillResourceChapterRoots",
                                "qFillLessonTreeRoots",
                                "qFillLessonChildren",
                                "qFillResourceTypeChildren",
                                "qFillResourceChapterChildren",
                                "qHasResources",
                                "qTypeHasResources",
                                "qGetResourceDetails",
                                "qGetTypeName",
                                "qGetTypeResourceID",
                                "qGetChapterResourceID",
                                "qGetParentLessonID",
                                "qLPIDDateSpan",
                                "qLessonResources",
                                "DBInformation",
                                "qPrimaryTreeNodes",
                                "qChildNodes",
                                "qObjectives",
                                "qTestRecordExistence",
                                "qUpdateObjective5",
                                "qChildless"};

TEST_F(LinkedCourse, EveryCourseHoldsExactlyTheSavedQueries) {
    for (const char* course : {LK_COURSE_DIR "/SAMPLE1/SAMPLE1.mdb", LK_COURSE_DIR "/SAMPLE0/SAMPLE0.mdb"}) {
        SCOPED_TRACE(course);
        rt::Database db = ws().openDatabase(QString::fromUtf8(course), false, true);
        rt::Recordset rs = db.openSql(QStringLiteral("SELECT name FROM _queries ORDER BY name"));
        QStringList stored;
        for (; !rs.eof(); rs.moveNext()) stored << rs.field("name").toString();
        QStringList expected = allQueries;
        std::sort(expected.begin(), expected.end(),
                  [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        std::sort(stored.begin(), stored.end(),
                  [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        EXPECT_EQ(stored, expected);
        ws().close();
    }
}

TEST_F(LinkedCourse, Sample1QueriesReturnWhatTheirCallersRelyOn) {
    rt::Database db = open(LK_COURSE_DIR "/SAMPLE1/SAMPLE1.mdb", LK_COURSE_DIR "/fixtures/sample1.lkc");
    const auto L = [](qint32 n) { return Value::longInt(n); };
    const Case cases[] = {
        {"qLessonScheduled", {day(2027, 1, 4)}, {}, "False"},
        {"qLessonScheduled", {day(2027, 1, 7)}, {}, "True"},
        {"qLessonScheduled", {day(2027, 1, 10)}, {}, ""},
        {"qLessonScheduled", {day(2027, 1, 13)}, {}, "False\nFalse"},
        {"qLessonScheduled", {day(2027, 1, 14)}, {}, ""},        // stored with a time of day
        {"qLessonScheduled", {Value::real(46401.4375)}, {}, ""}, // a parameter with one
        {"qLoadLessonPlan",
         {day(2027, 1, 13)},
         {"LessonPlanID", "TreeID", "LPDate", "Title", "ItemNumber", "blocked"},
         "9|33|1/13/2027|Condensation|2|False\n10|34|1/13/2027|Precipitation|3|False"},
        {"qLoadLessonPlan", {day(2027, 1, 7)}, {"TreeID", "blocked", "Objective1"}, "-666|True|<null>"},
        {"qAddBWLesson",
         {Value::real(12.0)},
         {"TreeID", "Title", "ItemNumber", "Objective3", "Objective4"},
         "12|Air Takes Up Space|1|<null>|"},
        {"qAddBWLesson", {Value::real(999.0)}, {}, ""},
        {"qGetBWLessonInfo",
         {L(12)},
         {"TreeID", "Title", "ParentID", "ItemNumber", "HasChildren"},
         "12|Air Takes Up Space|11|1|0"},
        {"qGetBwLessonInfo", {L(50)}, {"ItemNumber", "HasChildren"}, "<null>|1"},
        {"qGetBwLessonInfo", {L(70)}, {"HasChildren", "Objective5"}, "0|"},
        {"qGetBwLessonInfo", {L(999)}, {}, ""},
        {"qAddCoreResources",
         {L(14)},
         {"ResourceID", "Header", "Duration", "SortOrder"},
         "8|True|-1|1\n6|False|20|2\n5|False|0|3\n7|False|10|4"},
        {"qAddCoreResources", {L(16)}, {}, ""},
        {"qAddCoreResources", {L(13)}, {}, ""},
        {"qAddResourceToLesson",
         {L(9)},
         {},
         "9|3|Extra: Air Cannon|15|A box with a hole shoots rings of air.|False"},
        {"qAddResourceToLesson", {L(0)}, {}, ""},
        {"qLessonTime", {L(1)}, {"SumOfDuration"}, "35"},
        {"qLessonTime", {L(2)}, {"SumOfDuration"}, "35"}, // the heading's -1 does not count
        {"qLessonTime", {L(3)}, {}, ""},
        {"qResourcesToArray",
         {L(2)},
         {"ResourceID", "SortOrder", "Descript"},
         "8|1|<null>\n6|4|   \n7|4|Five questions on wind.\n-1|5|<null>"},
        {"qResourcesToArray", {L(5)}, {"ResourceID"}, "10"},
        {"qResourcesToArray", {L(3)}, {}, ""},
        {"qSwapResourceSort", {Value("5"), Value("6"), L(2)}, {}, "5|4\n6|4"},
        {"qSwapResourceSort", {Value("1"), Value("2"), L(2)}, {}, ""},
        {"qNextSortOrder", {L(2)}, {}, "6"},
        {"qNextSortOrder", {L(3)}, {}, "<null>"},
        {"qFillResourceTypeRoots", {}, {}, "Teacher Guides|200|True\nActivities|210|True\nVideos|220|False"},
        {"qFillResourceChapterRoots",
         {},
         {"ResLibID", "HasChildren"},
         "100|True\n110|True\n120|False\n130|<null>\n140|True\n150|False"},
        {"qFillLessonTreeRoots", {}, {}, "50|True\n10|True\n30|True\n60|False\n70|<null>\n80|True"},
        {"qFillLessonChildren", {L(10)}, {}, "15|True\n11|True"},
        {"qFillLessonChildren", {L(11)}, {}, "12|False\n13|False\n14|False"},
        {"qFillLessonChildren", {L(80)}, {}, ""},
        {"qFillResourceTypeChildren", {L(210)}, {}, "Hands-On|211|False\nWorksheets|212|False"},
        {"qFillResourceChapterChildren", {L(100)}, {}, "What Is Air?|101|False\nClouds|102|False"},
        {"qFillResourceChapterChildren", {L(140)}, {}, ""},
        {"qHasResources", {L(101)}, {}, "1|6\n1|1\n1|3\n1|9"},
        {"qHasResources", {L(130)}, {}, "0|41"},
        {"qHasResources", {L(150)}, {}, ""},
        {"qHasResources", {L(211)}, {}, ""}, // a node of the other library
        {"qTypeHasResources", {L(212)}, {}, "1|11\n1|40"},
        {"qTypeHasResources", {L(101)}, {}, ""},
        {"qGetResourceDetails",
         {L(3)},
         {"Title", "PlanItem", "PDFFile", "PDFSpanish", "pdfpagestart", "pdfpageend"},
         "Cup in a Tub|True|airsky.pdf|   |5|3"},
        {"qGetResourceDetails",
         {L(6)},
         {"Title", "Descript", "pdfpagestart", "pdfpageend"},
         "  Wind Vane Build  |   |5|0"},
        {"qGetResourceDetails",
         {L(4)},
         {"PDFFile", "PDFSpanish", "pdfpagestart", "pdfpageend"},
         "<null>|<null>|<null>|<null>"},
        {"qGetResourceDetails", {L(40)}, {"Title", "TreeID", "PlanItem"}, "<null>|0|False"},
        {"qGetResourceDetails", {L(99)}, {}, ""},
        {"qGetTypeName", {L(2)}, {}, "  Activity Sheet  "},
        {"qGetTypeName", {L(9)}, {}, ""},
        {"qGetTypeName", {L(0)}, {}, ""},
        {"qGetTypeResourceID", {L(211)}, {}, "6\n3\n10"},
        {"qGetTypeResourceID", {L(101)}, {}, ""},
        {"qGetChapterResourceID", {L(120)}, {}, "40\n30"},
        {"qGetChapterResourceID", {L(150)}, {}, ""},
        {"qGetParentLessonID", {L(12)}, {}, "11"},
        {"qGetParentLessonID", {L(10)}, {}, ""},
        {"qGetParentLessonID", {L(60)}, {}, ""},
        {"qLPIDDateSpan", {day(2027, 1, 4), day(2027, 1, 8)}, {}, "1\n2\n3\n4\n5"},
        {"qLPIDDateSpan", {day(2027, 1, 9), day(2027, 1, 13)}, {}, "7\n6\n8\n9\n10"},
        {"qLessonResources", {L(1)}, {}, "1\n3"},
        {"qLessonResources", {L(2)}, {}, "8\n6\n7"},
        {"DBInformation", {}, {}, "0110"},
        {"qPrimaryTreeNodes",
         {},
         {},
         "50|<null>|Weather Tools\n10|1|Air and Sky\n30|2|Water on the Move\n60|3|Weather Journal Kickoff\n"
         "70|4|Storm Safety Review\n80|5|Seasons"},
        {"qChildNodes",
         {Value("11")},
         {},
         "12|1|Air Takes Up Space|False\n13|2|Air Has Weight|False\n14|3|Moving Air Is Wind|False"},
        {"qChildNodes", {Value("12")}, {}, ""},
        {"qObjectives",
         {Value::integer(70)},
         {},
         "Name three ways to stay safe in a thunderstorm.|<null>|<null>|<null>|"},
        {"qObjectives", {Value::integer(32)}, {"Objective5"}, "Café visit: watch steam rise from hot cocoa."},
        {"qTestRecordExistence", {L(12)}, {}, "12"},
        {"qTestRecordExistence", {L(999)}, {}, ""},
        {"qChildless", {}, {"TreeID"}, "12\n13\n14\n16\n17\n32\n33\n34\n52\n53\n60\n70"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.query);
        EXPECT_EQ(run(db, c), c.rows);
    }
}

TEST_F(LinkedCourse, NamedParametersOfTheEditor) {
    rt::Database db = open(LK_COURSE_DIR "/SAMPLE1/SAMPLE1.mdb", LK_COURSE_DIR "/fixtures/sample1.lkc");
    rt::QueryDef q = db.queryDef(QStringLiteral("qChildNodes"));
    q.setParameter("id", Value("31"));
    rt::Recordset rs = q.open(rt::RecordsetType::Snapshot);
    rs.moveLast();
    EXPECT_EQ(rs.recordCount(), 3);
    q = db.queryDef(QStringLiteral("qObjectives"));
    q.setParameter("id", Value::integer(12));
    rs = q.open(rt::RecordsetType::Snapshot);
    EXPECT_EQ(rs.field("Objective2").toString(), QStringLiteral("Predict, observe and explain."));
}

TEST_F(LinkedCourse, UpdatableQueriesWriteTheirRow) {
    rt::Database db = open(LK_COURSE_DIR "/SAMPLE1/SAMPLE1.mdb", LK_COURSE_DIR "/fixtures/sample1.lkc");
    rt::QueryDef q = db.queryDef(QStringLiteral("qUpdateLessonObjectives"));
    q.setParameter(0, Value::longInt(3));
    rt::Recordset rs = q.open();
    rs.edit();
    rs.setField("Objective5", Value("Bring two balloons."));
    rs.update();

    q = db.queryDef(QStringLiteral("qSwapResourceSort"));
    q.setParameter(0, Value("5"));
    q.setParameter(1, Value("6"));
    q.setParameter(2, Value::longInt(2));
    rs = q.open();
    rs.edit();
    rs.setField("SortOrder", Value::integer(4));
    rs.update();
    rs.moveNext();
    rs.edit();
    rs.setField("SortOrder", Value::integer(3));
    rs.update();

    q = db.queryDef(QStringLiteral("qUpdateObjective5"));
    q.setParameter(0, Value::longInt(13));
    rs = q.open();
    rs.edit();
    rs.setField("Objective5", Value("Borrow the balance from room 9."));
    rs.update();

    rs = db.openSql(QStringLiteral("SELECT Objective5 FROM LessonPlans WHERE LessonPlanID = 3"));
    EXPECT_EQ(daotest::rowsOf(rs), QStringLiteral("Bring two balloons."));
    rs = db.openSql(QStringLiteral(
        "SELECT LessonItemID FROM LessonResources WHERE LessonPlanID = 2 ORDER BY SortOrder, LessonItemID"));
    EXPECT_EQ(daotest::rowsOf(rs), QStringLiteral("4\n6\n5\n7"));
    rs = db.openSql(QStringLiteral("SELECT Objective5 FROM LessonTree WHERE TreeID = 13"));
    EXPECT_EQ(daotest::rowsOf(rs), QStringLiteral("Borrow the balance from room 9."));
}

TEST_F(LinkedCourse, ActionQueriesDeleteAPlanAndItsResources) {
    rt::Database db = open(LK_COURSE_DIR "/SAMPLE1/SAMPLE1.mdb", LK_COURSE_DIR "/fixtures/sample1.lkc");
    for (const char* name : {"qDeleteLessonPlanResources", "qDeleteLessonPlan"}) {
        rt::QueryDef q = db.queryDef(QString::fromLatin1(name));
        q.setParameter(0, Value::longInt(2));
        q.execute();
    }
    rt::Recordset rs =
        db.openSql(QStringLiteral("SELECT (SELECT COUNT(*) FROM LessonPlans WHERE LessonPlanID = 2), "
                                  "(SELECT COUNT(*) FROM LessonResources WHERE LessonPlanID = 2), "
                                  "(SELECT COUNT(*) FROM LessonResources)"));
    EXPECT_EQ(daotest::rowsOf(rs), QStringLiteral("0|0|6"));
}

TEST_F(LinkedCourse, TextsTheProgramsWriteThemselves) {
    rt::Database db = open(LK_COURSE_DIR "/SAMPLE1/SAMPLE1.mdb", LK_COURSE_DIR "/fixtures/sample1.lkc");
    // Moving a plan takes the same first row that loading the date takes.
    rt::Recordset rs = db.openSql(QStringLiteral("SELECT * FROM LessonPlans WHERE LPDate=#2027-01-13#"));
    EXPECT_EQ(rs.field("LessonPlanID").toInt32(), 9);
    rs.edit();
    rs.setField("LPDate", day(2027, 1, 15));
    rs.update();
    rs = db.openSql(QStringLiteral("SELECT LessonPlanID FROM LessonPlans WHERE LPDate = '2027-01-15'"));
    EXPECT_EQ(daotest::rowsOf(rs), QStringLiteral("9"));

    rs = db.openSql(QStringLiteral("SELECT MIN(LessonResources.ResourceID) AS NextID FROM LessonResources"));
    EXPECT_EQ(rs.field("nextid").toInt32(), -1);

    // The lesson grid: updatable by LessonItemID; equal sort orders in LessonItemID order.
    rs = db.openSql(
        QStringLiteral("SELECT ResourceID, Title, Duration, Header, SortOrder, Descript, LessonItemID "
                       "FROM LessonResources WHERE LessonPlanID=2 ORDER BY SortOrder"));
    ASSERT_TRUE(rs.updatable());
    EXPECT_EQ(rs.recordCount(), 4);
    ASSERT_TRUE(rs.findFirst("LessonItemID", Value::longInt(6)));
    rs.remove();
    // The browser grid: the lesson's resources that are not in the plan, across both files.
    rs = db.openSql(
        QStringLiteral("SELECT ResourceID, Title, Duration, Header FROM Resources WHERE (TreeID=14) AND "
                       "(ResourceID NOT IN (SELECT ResourceID FROM LessonResources WHERE "
                       "LessonPlanID=2)) ORDER BY SortOrder"));
    EXPECT_EQ(daotest::rowsOf(rs),
              QStringLiteral("5|Pinwheel Test|0|False\n7|Wind Quiz|10|False\n9|Extra: Air Cannon|15|False"));
}

TEST_F(LinkedCourse, Sample0NeverHoldsTheColumnsOf0101) {
    rt::Database db = open(LK_COURSE_DIR "/SAMPLE0/SAMPLE0.mdb", LK_COURSE_DIR "/fixtures/sample0.lkc");
    rt::QueryDef q = db.queryDef(QStringLiteral("qLoadLessonPlan"));
    q.setParameter(0, day(2027, 1, 4));
    rt::Recordset rs = q.open();
    EXPECT_EQ(rs.field("Title").toString(), QStringLiteral("Bundles of Ten"));
    EXPECT_EQ(errorOf([&] { rs.field("ItemNumber"); }), NotInCollection);
    q = db.queryDef(QStringLiteral("qAddBWLesson"));
    q.setParameter(0, Value::real(3));
    rs = q.open();
    EXPECT_EQ(errorOf([&] { rs.field("ItemNumber"); }), NotInCollection);
    q = db.queryDef(QStringLiteral("qGetResourceDetails"));
    q.setParameter(0, Value::longInt(2));
    rs = q.open();
    EXPECT_EQ(rs.field("PDFFile").toString(), QStringLiteral("bundles.pdf"));
    for (const char* f : {"PDFSpanish", "pdfpagestart", "pdfpageend"})
        EXPECT_EQ(errorOf([&] { rs.field(f); }), NotInCollection);
    rs = db.queryDef(QStringLiteral("qFillResourceTypeRoots")).open();
    EXPECT_TRUE(rs.eof() && rs.bof());
    rs = db.queryDef(QStringLiteral("DBInformation")).open(rt::RecordsetType::Snapshot);
    EXPECT_EQ(rs.field("DBVersion").toString(), QStringLiteral("0105"));
}

} // namespace
