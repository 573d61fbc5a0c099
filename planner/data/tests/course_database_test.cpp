#include "planner/data/course_database.h"
#include "planner/data/testing/course_fixture.h"
#include "runtime/command_line.h"
#include "runtime/dao/engine.h"
#include "runtime/dao/recordset.h"
#include "runtime/program_folder.h"
#include "shared/course_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString versionOf(const QString& classFile) {
    rt::Database db = rt::DBEngine::instance().workspace().openDatabase(classFile, false, true);
    rt::Recordset rs = db.openTable("Version");
    rs.moveFirst();
    return rs.field("DBVersion").toString();
}

bool hasSortIndex(const QString& classFile) {
    rt::Database db = rt::DBEngine::instance().workspace().openDatabase(classFile, false, true);
    rt::Recordset rs = db.openSql("SELECT * FROM LessonResources");
    for (int i = 0; i < rs.fieldCount(); ++i)
        if (rs.fieldName(i) == "SortIndex") return true;
    return false;
}

QByteArray bytesOf(const QString& file) {
    QFile f(file);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

class ClassFiles : public CourseFixture {
protected:
    void SetUp() override {
        CourseFixture::SetUp();
        CourseSettings.AppTitle = "Planner";
    }
    QStringList texts() const {
        QStringList out;
        for (const auto& r : msg.shown) out << r.text;
        return out;
    }
};

struct VersionCase {
    const char* fixture;
    bool opens;
    const char* storedVersion; // after the attach
    bool sortIndex;
};

void PrintTo(const VersionCase& c, std::ostream* os) {
    *os << c.fixture;
}

class ClassFileVersions : public ClassFiles, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(ClassFileVersions, AreCheckedAndUpgraded) {
    const VersionCase& c = GetParam();
    const QString file = classFixture(c.fixture);
    EXPECT_EQ(AttachClassTables(platform, file), c.opens);
    EXPECT_EQ(ClassTablesAttached, c.opens);
    EXPECT_TRUE(msg.shown.isEmpty()) << texts().join(" | ").toStdString();
    DetachClassTables();
    EXPECT_EQ(versionOf(file), c.storedVersion);
    EXPECT_EQ(hasSortIndex(file), c.sortIndex);
}

INSTANTIATE_TEST_SUITE_P(Table, ClassFileVersions,
                         ::testing::Values(VersionCase{"sample1.lkc", true, "LK2-0.0.3", true},
                                           VersionCase{"v002.lkc", true, "LK2-0.0.3", true},
                                           VersionCase{"v002_sortindex.lkc", true, "LK2-0.0.3", true},
                                           VersionCase{"version_blanks.lkc", true, " LK2-0.0.3 ", true},
                                           VersionCase{"version_lower.lkc", true, "lk2-0.0.3", true},
                                           VersionCase{"version_future.lkc", true, "LK2-0.0.9", true},
                                           VersionCase{"version_blanks_name.lkc", true, "LK2-0.0.3", true}));

TEST_F(ClassFiles, AttachReadsTheClassAndLinksTheTables) {
    attach();
    EXPECT_EQ(LoadedCourse, "SAMPLE1");
    EXPECT_EQ(ClassTeacher, "Ms. Alvarez");
    EXPECT_EQ(ClassPeriod, "3rd period");
    EXPECT_EQ(ClassComments, "Room 12, Maple School");
    for (const char* link : {"Class", "LessonPlans", "LessonResources", "ClassVersion"})
        EXPECT_TRUE(TableExists(link));
    EXPECT_FALSE(TableExists("lessonplans"));
    rt::Recordset rs = CourseDB.openSql("SELECT DBName FROM ClassVersion");
    EXPECT_EQ(rs.field("DBName").toString(), "SAMPLE1");
    EXPECT_EQ(loop.count, 1);
    EXPECT_EQ(CourseSettings.AppTitle, "Weather Watchers Planner"); // the course's configuration, read again
}

TEST_F(ClassFiles, LinksLeftByAnEarlierRunAreReplaced) {
    attach();
    CloseCourseDatabase(); // as a run that ended without detaching: the links stay in the course file
    {
        rt::Database course = rt::DBEngine::instance().workspace().openDatabase(path("SAMPLE1.mdb"));
        EXPECT_TRUE(course.tableDefExists("LessonPlans"));
    }
    const QString other = classFixture("null_comments.lkc", "second.lkc");
    {
        rt::Database db = rt::DBEngine::instance().workspace().openDatabase(other);
        db.execute("UPDATE Class SET Comments = 'second', Teacher = 'Mr. Second'");
    }
    ASSERT_TRUE(AttachClassTables(platform, other));
    rt::Recordset rs = CourseDB.openSql("SELECT Teacher FROM Class");
    EXPECT_EQ(rs.field("Teacher").toString(), "Mr. Second");
}

// An attach keeps the course database already open on the course's file: its connection, and what
// lives only in it, stays.
TEST_F(ClassFiles, AttachKeepsTheOpenCourseDatabase) {
    OpenCourseDatabase(platform, "SAMPLE1");
    CourseDB.execute("CREATE TEMP TABLE marker (x INTEGER)");
    attach();
    EXPECT_NO_THROW(CourseDB.openSql("SELECT x FROM temp.marker"));
    rt::Recordset rs = CourseDB.openSql("SELECT Teacher FROM Class");
    EXPECT_FALSE(rs.eof());
}

// The four links are stored all or none: a refused third one leaves the course without any, and the
// attach fails with the general message.
TEST_F(ClassFiles, RefusedLinkLeavesNoLinks) {
    {
        rt::Database course = rt::DBEngine::instance().workspace().openDatabase(path("SAMPLE1.mdb"));
        course.execute("CREATE TRIGGER refuse BEFORE INSERT ON _links WHEN NEW.name = 'LessonResources' "
                       "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    }
    const QString file = classFixture("sample1.lkc");
    EXPECT_FALSE(AttachClassTables(platform, file));
    EXPECT_EQ(texts(), QStringList{file + " is not a valid Weather Watchers Planner course."});
    CloseCourseDatabase();
    rt::Database course = rt::DBEngine::instance().workspace().openDatabase(path("SAMPLE1.mdb"));
    for (const char* link : {"Class", "LessonPlans", "LessonResources", "ClassVersion"})
        EXPECT_FALSE(course.tableDefExists(link)) << link;
}

TEST_F(ClassFiles, DetachRemovesTheLinksAndClosesTheCourse) {
    attach();
    DetachClassTables();
    EXPECT_FALSE(ClassTablesAttached);
    EXPECT_FALSE(CourseDB.isOpen());
    rt::Database course = rt::DBEngine::instance().workspace().openDatabase(path("SAMPLE1.mdb"));
    for (const char* link : {"Class", "LessonPlans", "LessonResources", "ClassVersion"})
        EXPECT_FALSE(course.tableDefExists(link));
    DetachClassTables(); // nothing attached: nothing happens
}

TEST_F(ClassFiles, CourseNotInstalledCostsTwoMessages) {
    rt::setCommandLine("SAMPLE1");
    LoadedCourse = "SOMETHING";
    const QString file = classFixture("version_not_installed.lkc");
    EXPECT_FALSE(AttachClassTables(platform, file));
    EXPECT_EQ(texts(), (QStringList{"This class was created using course NOSUCH which is not installed.",
                                    "The class file you selected is either corrupt or for a database that is "
                                    "not installed on this computer."}));
    EXPECT_EQ(msg.shown[1].title, "Invalid Class file");
    EXPECT_EQ(LoadedCourse, "SAMPLE1");
    EXPECT_FALSE(ClassTablesAttached);
}

TEST_F(ClassFiles, FileWithoutVersionTableIsNotACourse) {
    const QString file = classFixture("no_version.lkc");
    EXPECT_FALSE(AttachClassTables(platform, file));
    ASSERT_EQ(msg.shown.size(), 2);
    EXPECT_EQ(msg.shown[0].text, file + " is not a valid Planner course.");
    EXPECT_EQ(msg.shown[0].icon, rt::MbIcon::Information);
    EXPECT_EQ(msg.shown[1].title, "Invalid Class file");
}

TEST_F(ClassFiles, NullCommentsIsTheGeneralError) {
    const QString file = classFixture("null_comments.lkc");
    EXPECT_FALSE(AttachClassTables(platform, file));
    EXPECT_EQ(texts(), QStringList{file + " is not a valid Planner course."});
    EXPECT_FALSE(ClassTablesAttached);
}

TEST_F(ClassFiles, BadFilesGetAMessageAndStayAsTheyWere) {
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile f(path(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path(name);
    };
    QByteArray noise(8192, 0);
    for (int i = 0; i < noise.size(); ++i) noise[i] = char((i * 31 + 7) % 253);
    const QString readOnly = classFixture("sample1.lkc", "readonly.lkc");
    QFile::setPermissions(readOnly, QFile::ReadOwner);
    const QString locked = classFixture("sample1.lkc", "locked.lkc");
    rt::Database holder = rt::DBEngine::instance().workspace().openDatabase(locked, true);

    for (const QString& file : {write("random.lkc", noise), write("empty.lkc", {}),
                                write("notes.lkc", "LKAPPNAME|x\r\nSUBJECT|y\r\n"), readOnly, locked}) {
        msg.shown.clear();
        DetachClassTables();
        CourseSettings.AppTitle = "Planner";
        const QByteArray before = bytesOf(file);
        EXPECT_FALSE(AttachClassTables(platform, file)) << file.toStdString();
        EXPECT_EQ(texts(), QStringList{file + " is not a valid Planner course."});
        EXPECT_EQ(bytesOf(file), before) << file.toStdString();
        EXPECT_FALSE(ClassTablesAttached);
    }
}

struct TabCase {
    int tabs;
    QStringList labels; // 2 to 4 after the read
    int localTab;
};

TEST_F(ClassFiles, LocalObjectiveTabFollowsTheCourseTabs) {
    const TabCase cases[] = {
        {0, {"Local", "Local", "Local"}, 1},
        {1, {"Local", "Local", "Local"}, 2},
        {2, {"B", "Local", "Local"}, 3},
        {3, {"B", "C", "Local"}, 4},
        {4, {"B", "C", "D"}, 5},
        {5, {"B", "C", "D"}, 6},
        {6, {"B", "C", "D"}, 7},
    };
    for (const TabCase& c : cases) {
        const QString cfg = path("tabs.cfg");
        QFile f(cfg);
        f.open(QIODevice::WriteOnly);
        f.write(
            QStringLiteral(
                "NUMOBJECTIVESTAB|%1\r\nLABELOBJECTIVES2|B\r\nLABELOBJECTIVES3|C\r\nLABELOBJECTIVES4|D\r\n")
                .arg(c.tabs)
                .toUtf8());
        f.close();
        install("TABS", "SAMPLE1", cfg);
        CourseSettings.LocalTabIndex = 9; // a previous course's value never stays
        LoadedCourse = "TABS";
        OpenCourseDatabase(platform, "TABS");
        EXPECT_TRUE(CourseDB.isOpen());
        EXPECT_EQ((QStringList{CourseSettings.ObjectiveLabel2, CourseSettings.ObjectiveLabel3,
                               CourseSettings.ObjectiveLabel4}),
                  c.labels)
            << c.tabs;
        EXPECT_EQ(CourseSettings.LocalTabIndex, c.localTab) << c.tabs;
        EXPECT_EQ(CourseSettings.UCI, "TABS"); // the file names none
        EXPECT_EQ(CourseSettings.DBVersion, "0100");
        CloseCourseDatabase();
    }
}

TEST_F(ClassFiles, CourseDatabaseThatCannotBeOpened) {
    const auto openWithPath = [&](const QString& file) {
        msg.shown.clear();
        install("BAD", "SAMPLE1");
        settings.set("Brackwell Larkspan 2.0 Engine", "Installed Courses\\BAD", "Path", file);
        OpenCourseDatabase(platform, "BAD");
        EXPECT_FALSE(CourseDB.isOpen());
        return msg.shown.size() == 1 ? msg.shown[0].text : QString();
    };
    QFile empty(path("empty.mdb"));
    empty.open(QIODevice::WriteOnly);
    empty.close();
    EXPECT_EQ(openWithPath(path("empty.mdb")), "Class file is corrupt.");
    const QString held = path("SAMPLE0.mdb");
    {
        rt::Database holder = rt::DBEngine::instance().workspace().openDatabase(held, true);
        EXPECT_TRUE(
            openWithPath(held).startsWith("You tried to use a class that is currently open for exclusive "
                                          "access by another user."));
    }
    EXPECT_FALSE(openWithPath(path("missing.mdb")).isEmpty());
}

TEST_F(ClassFiles, CreateClassFileFillsTheTemplate) {
    LoadedCourse = "SAMPLE0";
    const QString file = path("new.lkc");
    ASSERT_TRUE(CreateClassFile(platform, file, "T", "S", "P", "C"));
    rt::Database db = rt::DBEngine::instance().workspace().openDatabase(file);
    rt::Recordset v = db.openTable("Version");
    EXPECT_EQ(v.recordCount(), 1);
    EXPECT_EQ(v.field("DBName").toString(), "SAMPLE0");
    EXPECT_EQ(v.field("DBVersion").toString(), "LK2-0.0.3");
    rt::Recordset c = db.openTable("Class");
    EXPECT_EQ(c.field("Teacher").toString() + c.field("Subject").toString() + c.field("Period").toString() +
                  c.field("Comments").toString() + c.field("Version").toString(),
              "TSPCLK2-0.0.3");
    EXPECT_TRUE(msg.shown.isEmpty());
}

TEST_F(ClassFiles, TemplateRowsAreOverwrittenNotAdded) {
    const QString folder = path("program");
    QDir().mkpath(folder);
    ASSERT_TRUE(QFile::copy(LK_COURSE_DIR "/fixtures/template_rows.new", folder + "/CLASS.NEW"));
    rt::setProgramFolder(folder);
    const QString file = path("new.lkc");
    ASSERT_TRUE(CreateClassFile(platform, file, "T", "S", "P", "C"));
    rt::Database db = rt::DBEngine::instance().workspace().openDatabase(file);
    rt::Recordset v = db.openTable("Version");
    v.moveLast();
    EXPECT_EQ(v.recordCount(), 1);
    EXPECT_EQ(v.field("DBName").toString(), "SAMPLE1");
    rt::Recordset c = db.openTable("Class");
    c.moveLast();
    EXPECT_EQ(c.recordCount(), 1);
    EXPECT_EQ(c.field("Teacher").toString(), "T");
}

TEST_F(ClassFiles, FailedCreationLeavesTheTargetAsItWas) {
    const QString existing = path("keep.lkc");
    {
        QFile f(existing);
        f.open(QIODevice::WriteOnly);
        f.write("precious");
    }
    rt::setProgramFolder(path("no-template-here"));
    EXPECT_FALSE(CreateClassFile(platform, existing, "T", "S", "P", "C"));
    EXPECT_EQ(bytesOf(existing), "precious");
    EXPECT_FALSE(CreateClassFile(platform, path("no-folder/new.lkc"), "T", "S", "P", "C"));
    ASSERT_EQ(msg.shown.size(), 2);
    EXPECT_EQ(msg.shown[0],
              (rt::MbRequest{"An error occurred while creating the class file.  Please check the "
                             "destination and try again.",
                             QString("Unable to create file"), rt::MbButtons::Ok, rt::MbIcon::Critical}));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).filter("keep.lkc.").size(), 0);
}

} // namespace
