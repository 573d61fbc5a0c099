// The built files: the class-file template, the fixtures, the configurations and the documents.
#include "runtime/dao/dao_errors.h"
#include "runtime/dao/tests/fixture.h"
#include "runtime/text_file.h"
#include "shared/course_settings.h"

#include <QFile>
#include <QFileInfo>
#include <QPdfDocument>
#include <QTemporaryDir>

namespace {

using rt::errorOf;
using rt::Value;

class CourseFiles : public ::testing::Test {
protected:
    void TearDown() override { ws().close(); }
    rt::Workspace& ws() { return rt::DBEngine::instance().workspace(); }
    QTemporaryDir dir;
};

TEST_F(CourseFiles, TemplateHasTheFourEmptyTablesAndSoundDefaults) {
    const QString copy = dir.filePath(QStringLiteral("new.lkc"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(LK_PROGRAM_DIR "/CLASS.NEW"), copy));
    rt::Database db = ws().openDatabase(copy, true);
    for (const char* table : {"Version", "Class", "LessonPlans", "LessonResources"}) {
        rt::Recordset rs = db.openTable(QString::fromLatin1(table));
        EXPECT_TRUE(rs.bof() && rs.eof()) << table;
    }
    rt::Recordset plans = db.openTable(QStringLiteral("LessonPlans"));
    plans.addNew();
    plans.setField("Title", Value("Snow day"));
    plans.update();
    rt::Recordset res = db.openTable(QStringLiteral("LessonResources"));
    res.addNew();
    res.setField("Title", Value("Own sheet"));
    res.update();
    rt::Recordset rs = db.openSql(QStringLiteral("SELECT blocked, Header FROM LessonPlans, LessonResources"));
    EXPECT_EQ(daotest::rowsOf(rs), QStringLiteral("False|False"));
    EXPECT_EQ(errorOf([&] { db.execute(QStringLiteral("UPDATE LessonPlans SET blocked = NULL")); }),
              rt::dao_error::EngineError);
}

TEST_F(CourseFiles, ClassFileFixturesHoldTheirCase) {
    const struct {
        const char* file;
        const char* version; // DBName|DBVersion
        bool sortIndex;
    } cases[] = {
        {"sample1.lkc", "SAMPLE1|LK2-0.0.3", true},
        {"sample0.lkc", "SAMPLE0|LK2-0.0.3", true},
        {"v002.lkc", "SAMPLE1|LK2-0.0.2", false},
        {"v002_sortindex.lkc", "SAMPLE1|LK2-0.0.2", true},
        {"version_blanks.lkc", "SAMPLE1| LK2-0.0.3 ", true},
        {"version_lower.lkc", "SAMPLE1|lk2-0.0.3", true},
        {"version_future.lkc", "SAMPLE1|LK2-0.0.9", true},
        {"version_not_installed.lkc", "NOSUCH|LK2-0.0.3", true},
        {"version_blanks_name.lkc", " SAMPLE1 |LK2-0.0.3", true},
        {"null_comments.lkc", "SAMPLE1|LK2-0.0.3", true},
        {"template_rows.new", "OLDKEY|LK2-0.0.1", true},
        {"edge.lkc", "SAMPLE1|LK2-0.0.3", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        rt::Database db = ws().openDatabase(
            QStringLiteral(LK_COURSE_DIR "/fixtures/") + QString::fromLatin1(c.file), true, true);
        rt::Recordset rs = db.openTable(QStringLiteral("Version"));
        EXPECT_EQ(daotest::rowsOf(rs), QString::fromLatin1(c.version));
        rs = db.openTable(QStringLiteral("LessonResources"));
        EXPECT_EQ(errorOf([&] { rs.fieldName(9); }) == 0, c.sortIndex);
        db.close();
    }
    rt::Database db = ws().openDatabase(QStringLiteral(LK_COURSE_DIR "/fixtures/no_version.lkc"), true, true);
    EXPECT_EQ(errorOf([&] { db.openTable(QStringLiteral("Version")); }), rt::dao_error::TableNotFound);
}

TEST_F(CourseFiles, FixtureKeysOverrideTheSampleConfiguration) {
    const struct {
        const char* file;
        const char* uci;
        const char* dbVersion;
        qint16 tabs;
    } cases[] = {
        {"SAMPLE1/SAMPLE1.cfg", "WW01", "0101", 2},  {"SAMPLE1/KTN1.cfg", "KTN1", "0101", 2},
        {"SAMPLE1/RV10.cfg", "RV10", "0101", 2},     {"SAMPLE1/SAMPLE2.cfg", "WW01", "0102", 2},
        {"SAMPLE1/SAMPLE5.cfg", "WW015", "0101", 2}, {"SAMPLE0/SAMPLE0.cfg", "none", "none", 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const QString path = QStringLiteral(LK_COURSE_DIR "/") + QString::fromLatin1(c.file);
        QFile raw(path);
        ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
        EXPECT_TRUE(raw.readLine().endsWith("\r\n"));
        CourseSettings = {};
        CourseSettings.UCI = CourseSettings.DBVersion = QStringLiteral("none");
        for (const QString& line : rt::readTextLines(path)) ParseConfigLine(line, QStringLiteral("|"));
        EXPECT_EQ(CourseSettings.UCI, QString::fromLatin1(c.uci));
        EXPECT_EQ(CourseSettings.DBVersion, QString::fromLatin1(c.dbVersion));
        EXPECT_EQ(CourseSettings.NumObjectiveTabs, c.tabs);
        EXPECT_EQ(CourseSettings.ResPDFRootPath, QStringLiteral("pdf/"));
    }
    CourseSettings = {};
    EXPECT_FALSE(rt::readTextLines(QStringLiteral(LK_PROGRAM_DIR "/LKFormat.dat")).isEmpty());
}

TEST_F(CourseFiles, EveryDocumentOfAResourceIsThereWithItsPages) {
    for (const char* course : {"SAMPLE1", "SAMPLE0"}) {
        const QString folder = QStringLiteral(LK_COURSE_DIR "/") + QString::fromLatin1(course);
        rt::Database db = ws().openDatabase(
            folder + u'/' + QString::fromLatin1(course) + QStringLiteral(".mdb"), false, true);
        const bool ranges = db.openTable(QStringLiteral("Resources")).fieldCount() > 10;
        rt::Recordset rs = db.openSql(
            ranges ? QStringLiteral("SELECT ResourceID, PDFFile, PDFSpanish, pdfpageend FROM Resources")
                   : QStringLiteral("SELECT ResourceID, PDFFile FROM Resources"));
        int documents = 0;
        for (; !rs.eof(); rs.moveNext()) {
            for (const char* field : {"PDFFile", "PDFSpanish"}) {
                if (!ranges && field[3] == 'S') continue;
                const Value file = rs.field(field);
                if (file.isNull() || file.toString().trimmed().isEmpty()) continue;
                SCOPED_TRACE(file.toString().toStdString());
                QPdfDocument pdf;
                ASSERT_EQ(pdf.load(folder + QStringLiteral("/pdf/") + file.toString()),
                          QPdfDocument::Error::None);
                EXPECT_GE(pdf.pageCount(), 2);
                if (ranges && !rs.field("pdfpageend").isNull()) {
                    EXPECT_LE(rs.field("pdfpageend").toInt32(), pdf.pageCount());
                }
                ++documents;
            }
        }
        EXPECT_GT(documents, 5);
        db.close();
    }
}

} // namespace
