#include "editor_fixture.h"
#include "objectives_editor/course_database.h"
#include "objectives_editor/menu_window.h"
#include "objectives_editor/start_up.h"
#include "runtime/command_line.h"
#include "runtime/dao/engine.h"
#include "runtime/strings.h"
#include "runtime/ui/single_instance.h"

#include <QFile>
#include <QSignalSpy>

namespace {

class StartUp : public EditorFixture {};

TEST_F(StartUp, OpensTheCommandLinesCourseAndShowsTheMenu) {
    ASSERT_TRUE(start(QStringLiteral("SAMPLE1")));
    EXPECT_EQ(frmMenu::instance()->windowTitle(), "Tallyreed  Science");
    EXPECT_TRUE(frmMenu::instance()->isVisible());
    EXPECT_EQ(CourseDBVersion, "0110"); // the database's own, not the configuration's 0101
    EXPECT_EQ(CourseDatabasePath, db);
    EXPECT_TRUE(EditorCourseDB.isOpen());
    EXPECT_FALSE(LocalObjectiveDirty);
    EXPECT_EQ(EditingTreeID, "");
    EXPECT_EQ(ended, 0);
    EXPECT_EQ(messages(), "");
    EXPECT_EQ(rt::StringTable::get(1001),
              "Brackwell "); // the editor's own entry; the planner's is "Larkspan"
}

TEST_F(StartUp, EachFailureEndsTheProgramWithNoDatabaseOpen) {
    struct Case {
        const char* name;
        QString key;
        std::function<void(StartUp&)> arrange;
        QString message;
    };
    const Case cases[] = {
        {"blanks round the key",
         QStringLiteral(" SAMPLE1"),
         {},
         "Command line course  SAMPLE1 is not installed. | (none)"},
        {"an empty command line", QString(), {}, "Command line course  is not installed. | (none)"},
        {"no DBInformation", QStringLiteral("SAMPLE1"),
         [](StartUp& t) { t.courseSql("DELETE FROM _queries WHERE name = 'DBInformation'"); },
         "Run-time error '3265':\r\n\r\nItem 'DBInformation' not found in this collection. | (none)"},
        {"a missing course database", QStringLiteral("SAMPLE1"), [](StartUp& t) { QFile::remove(t.db); },
         QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        msg.shown.clear();
        ended = 0;
        if (c.arrange) c.arrange(*this);
        EXPECT_FALSE(start(c.key));
        EXPECT_EQ(ended, 1);
        EXPECT_FALSE(EditorCourseDB.isOpen());
        ASSERT_EQ(msg.shown.size(), 1);
        if (!c.message.isEmpty())
            EXPECT_EQ(messages(), c.message);
        else
            EXPECT_TRUE(msg.shown[0].text.startsWith("Run-time error '3024':"));
    }
}

TEST_F(StartUp, ASecondStartBringsTheRunningEditorForward) {
    rt::setCommandLine(QStringLiteral("SAMPLE1"));
    const QString name = QStringLiteral("TRD-second-%1").arg(QCoreApplication::applicationPid());
    rt::SingleInstance first(name);
    Main(editor, first);
    ASSERT_NE(frmMenu::instance(), nullptr);
    QSignalSpy activated(&first, &rt::SingleInstance::activateRequested);

    CloseDatabase();
    rt::SingleInstance second(name);
    Main(editor, second);
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(EditorCourseDB.isOpen()); // the second copy opened nothing
    EXPECT_TRUE(activated.wait(5000));
}

TEST_F(StartUp, LinksToAClassFileMissingOrHeldElsewhereChangeNothing) {
    // The planner linked a class file into the course database; one is gone, the other held exclusively.
    const QString held = dir.filePath(QStringLiteral("held.lkc"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(LK_COURSE_DIR "/fixtures/sample1.lkc"), held));
    QFile::setPermissions(held, QFile::ReadOwner | QFile::WriteOwner);
    {
        rt::Database course = rt::DBEngine::instance().workspace().openDatabase(db);
        course.appendLink("LessonPlans", "LessonPlans", ";DATABASE=" + held + ";");
        course.appendLink("Class", "Class", ";DATABASE=" + dir.filePath(QStringLiteral("gone.lkc")) + ";");
        course.close();
    }
    rt::Database planner = rt::DBEngine::instance().workspace().openDatabase(held, true);
    ASSERT_TRUE(start());
    EXPECT_EQ(CourseDBVersion, "0110");
    EXPECT_EQ(messages(), "");
    planner.close();
}

} // namespace
