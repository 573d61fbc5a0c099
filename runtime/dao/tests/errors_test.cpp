// Every engine condition that the programs branch on, with the number it surfaces as.
#include "fixture.h"
#include "io_fault_vfs.h"
#include "runtime/dao/dao_errors.h"

#include <QFile>

namespace daotest {
namespace {

using namespace rt::dao_error;

void writeFile(const QString& file, const QByteArray& bytes) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class EngineErrors : public DaoTest {};

TEST_F(EngineErrors, EachConditionHasItsNumber) {
    const QString course = makeCourse(QStringLiteral("course.mdb"));
    const QString cls = makeClassFile(QStringLiteral("class.lkc"));
    const QString noVersion =
        makeDb(QStringLiteral("old.lkc"), QStringLiteral("CREATE TABLE Class (Teacher TEXT);"));
    const QString empty = path(QStringLiteral("empty.mdb")), random = path(QStringLiteral("random.mdb")),
                  textFile = path(QStringLiteral("notes.mdb"));
    writeFile(empty, {});
    QByteArray noise(4096, 0);
    for (int i = 0; i < noise.size(); ++i) noise[i] = char((i * 7919 + 13) % 251);
    writeFile(random, noise);
    writeFile(textFile, "LKAPPNAME|Weather Watchers\r\nSUBJECT|Science\r\n");
    // A valid header over pages of rubbish.
    const QString corrupt = makeDb(QStringLiteral("corrupt.mdb"),
                                   QStringLiteral("CREATE TABLE t (a TEXT); INSERT INTO t VALUES ('x');"));
    {
        QFile f(corrupt);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.seek(100);
        f.write(QByteArray(4096 - 100, char(0xA5)));
    }

    const auto openHeld = [&](bool exclusive) {
        rt::Database holder = ws().openDatabase(cls, true);
        ws().openDatabase(cls, exclusive);
    };
    // Each case gets a course of its own, without the links of the cases before.
    const auto course_ = [&] { return ws().openDatabase(makeCourse(QStringLiteral("course.mdb"))); };

    const struct {
        const char* condition;
        std::function<void()> call;
        int number;
    } cases[] = {
        {"open a file that is not there", [&] { ws().openDatabase(path(QStringLiteral("none.mdb"))); },
         FileNotFound},
        {"open read-only a file that is not there",
         [&] { ws().openDatabase(path(QStringLiteral("none.mdb")), false, true); }, FileNotFound},
        {"open a zero-length file", [&] { ws().openDatabase(empty); }, NotADatabase},
        {"open random bytes", [&] { ws().openDatabase(random); }, NotADatabase},
        {"open a text file", [&] { ws().openDatabase(textFile); }, NotADatabase},
        {"read a corrupt file", [&] { ws().openDatabase(corrupt).openTable(QStringLiteral("t")).eof(); },
         NotADatabase},
        {"open shared a file held exclusively", [&] { openHeld(false); }, FileInUse},
        {"open exclusively a file held exclusively", [&] { openHeld(true); }, FileInUse},
        {"read a file that another opener has held exclusively since",
         [&] {
             rt::Database first = ws().openDatabase(cls);
             rt::Database second = ws().openDatabase(cls, true);
             first.openTable(QStringLiteral("Version")).eof();
         },
         DatabaseLocked},
        {"open a table that is not there",
         [&] { ws().openDatabase(noVersion).openTable(QStringLiteral("Version")); }, TableNotFound},
        {"SQL on a table that is not there",
         [&] { course_().openSql(QStringLiteral("SELECT * FROM Version")); }, TableNotFound},
        {"a saved query that is not there", [&] { course_().queryDef(QStringLiteral("qNoSuchQuery")); },
         NotInCollection},
        {"a field that is not there",
         [&] { course_().openTable(QStringLiteral("Resources")).field("PDFSpanish"); }, NotInCollection},
        {"a parameter beyond the query's",
         [&] {
             course_().queryDef(QStringLiteral("qLessonResources")).setParameter(1, rt::Value::longInt(1));
         },
         NotInCollection},
        {"a named parameter the query does not declare",
         [&] { course_().queryDef(QStringLiteral("qResource")).setParameter("key", rt::Value::longInt(1)); },
         NotInCollection},
        {"delete a table definition that is not there",
         [&] { course_().deleteTableDef(QStringLiteral("LessonPlans")); }, NotInCollection},
        {"add a field to a table that is not there",
         [&] { course_().appendField(QStringLiteral("Nothing"), QStringLiteral("x"), rt::FieldType::Long); },
         NotInCollection},
        {"link a name that exists",
         [&] {
             rt::Database db = course_();
             db.appendLink(QStringLiteral("Class"), QStringLiteral("Class"), connectTo(cls));
             db.appendLink(QStringLiteral("Class"), QStringLiteral("Class"), connectTo(cls));
         },
         ObjectExists},
        {"link a name of one of its tables",
         [&] { course_().appendLink(QStringLiteral("resources"), QStringLiteral("Class"), connectTo(cls)); },
         ObjectExists},
        {"a connect string without a database",
         [&] {
             course_().appendLink(QStringLiteral("Class"), QStringLiteral("Class"),
                                  QStringLiteral(";PWD=x;"));
         },
         BadConnect},
        // Read whole or not at all: the rest of a path that held ";" must not leave a link to its start.
        {"a connect string of a path that holds a semicolon",
         [&] {
             course_().appendLink(QStringLiteral("Class"), QStringLiteral("Class"),
                                  QStringLiteral(";DATABASE=") + cls + QStringLiteral(";b.lkc;"));
         },
         BadConnect},
        {"a connect string naming two databases",
         [&] {
             course_().appendLink(QStringLiteral("Class"), QStringLiteral("Class"),
                                  connectTo(cls) + QStringLiteral("DATABASE=") + cls + u';');
         },
         BadConnect},
        {"create a table that exists",
         [&] { course_().execute(QStringLiteral("CREATE TABLE Resources (a)")); }, ObjectExists},
        {"add a field that is there",
         [&] {
             ws().openDatabase(cls).appendField(QStringLiteral("LessonResources"),
                                                QStringLiteral("SortIndex"), rt::FieldType::Integer);
         },
         FieldExists},
        {"use a link to a class file that is not there",
         [&] {
             rt::Database db = course_();
             db.appendLink(QStringLiteral("LessonPlans"), QStringLiteral("LessonPlans"),
                           connectTo(path(QStringLiteral("gone.lkc"))));
             db.openSql(QStringLiteral("SELECT * FROM LessonPlans"));
         },
         FileNotFound},
        {"open a saved query with a parameter unset",
         [&] { course_().queryDef(QStringLiteral("qLessonResources")).open(); }, TooFewParameters},
        {"execute a select", [&] { course_().execute(QStringLiteral("SELECT * FROM Resources")); },
         CannotExecuteSelect},
        {"write to a read-only database",
         [&] { ws().openDatabase(course, false, true).execute(QStringLiteral("DELETE FROM Resources")); },
         ReadOnly},
        {"add to a read-only recordset",
         [&] {
             course_()
                 .openSql(QStringLiteral("SELECT * FROM Resources"), rt::RecordsetType::Snapshot)
                 .addNew();
         },
         ReadOnly},
        {"read past the end",
         [&] {
             rt::Recordset rs = course_().openSql(QStringLiteral("SELECT * FROM Resources WHERE 0"));
             rs.field("Title");
         },
         NoCurrentRecord},
        {"update without edit", [&] { course_().openTable(QStringLiteral("Resources")).update(); },
         UpdateWithoutEdit},
        {"commit without a transaction", [&] { ws().commitTrans(); }, NoTransaction},
        {"a workspace but the default", [&] { rt::DBEngine::instance().workspace(1); }, NotInCollection},
        {"use a closed database",
         [&] {
             rt::Database db = course_();
             db.close();
             db.openTable(QStringLiteral("Resources"));
         },
         ObjectClosed},
        {"a syntax error", [&] { course_().execute(QStringLiteral("DELETE Resources WHERE")); }, EngineError},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.condition);
        EXPECT_EQ(errorOf(c.call), c.number);
        ws().close();
    }
}

TEST_F(EngineErrors, OtherSqliteErrorsKeepSqlitesMessage) {
    rt::Database db = ws().openDatabase(makeCourse(QStringLiteral("course.mdb")));
    try {
        db.execute(QStringLiteral("INSERT INTO Resources (ResourceID, Title) VALUES (7, 'twice')"));
        FAIL();
    } catch (const rt::RuntimeError& e) {
        EXPECT_EQ(e.number, EngineError);
        EXPECT_EQ(e.description, QStringLiteral("UNIQUE constraint failed: Resources.ResourceID"));
    }
}

TEST_F(EngineErrors, DiskFailuresAreDiskErrors) {
    const QString course = makeCourse(QStringLiteral("course.mdb"));
    IoFaultVfs vfs;
    vfs.fail(IoFaultVfs::Fail::Reads);
    EXPECT_EQ(errorOf([&] { ws().openDatabase(course); }), DiskError);

    vfs.fail(IoFaultVfs::Fail::Nothing);
    rt::Database db = ws().openDatabase(course);
    vfs.fail(IoFaultVfs::Fail::Writes);
    EXPECT_EQ(errorOf([&] { db.execute(QStringLiteral("DELETE FROM Resources")); }), DiskError);
    vfs.fail(IoFaultVfs::Fail::Nothing);
    rt::Recordset rs = db.openTable(QStringLiteral("Resources"));
    EXPECT_EQ(rs.recordCount(), 4); // nothing was lost
}

} // namespace
} // namespace daotest
