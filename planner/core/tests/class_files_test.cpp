#include "planner/core/class_files.h"
#include "planner/core/mru.h"
#include "planner/core/start_up.h"
#include "planner/core/testing/recording_main_window.h"
#include "planner/core/testing/scripted_dialogs.h"
#include "planner/data/course_database.h"
#include "planner/data/testing/course_fixture.h"
#include "runtime/clock.h"
#include "runtime/command_line.h"
#include "runtime/error.h"
#include "runtime/settings.h"
#include "runtime/testing/test_dates.h"
#include "runtime/value/date.h"
#include "shared/course_settings.h"

#include <QDir>
#include <QFile>
#include <functional>

namespace {

struct Ended {};

using rt::day;

class ClassHandling : public CourseFixture {
protected:
    void SetUp() override {
        CourseFixture::SetUp();
        rt::setToday(day(2027, 1, 9)); // a Saturday
        ResetLessonState();
        planner.window = &window;
    }
    void TearDown() override {
        rt::setToday(std::nullopt);
        ResetLessonState();
        CourseFixture::TearDown();
    }
    QStringList texts() const {
        QStringList out;
        for (const auto& r : msg.shown) out << r.text;
        return out;
    }

    RecordingMainWindow window;
    ScriptedDialogs plannerDialogs;
    Planner planner{platform, plannerDialogs, nullptr, [] { throw Ended{}; }};
};

TEST_F(ClassHandling, OpeningAClassFile) {
    const QString file = classFixture("sample1.lkc");
    OpenClassFile(planner, file);
    EXPECT_EQ(ClassFilePath, file);
    EXPECT_TRUE(ClassTablesAttached);
    EXPECT_EQ(window.calls,
              (QStringList{"DisableForm", "UICloseClass", "ShowNoView", "UIOpenClass",
                           QString("ChangeCurrentDate %1").arg(day(2027, 1, 11)), "LoadMRUs", "EnableForm"}));
    EXPECT_EQ(GetMRUFile(settings, 1), file);
    EXPECT_EQ(GetMRUTitle(settings, 1), "sample1.lkc");
}

TEST_F(ClassHandling, AListThatCannotBeSavedIsToldAndTheClassStaysOpen) {
    const QString file = classFixture("sample1.lkc");
    settings.failWrites = true;
    OpenClassFile(planner, file);
    EXPECT_EQ(ClassFilePath, file);
    EXPECT_TRUE(ClassTablesAttached);
    ASSERT_EQ(msg.shown.size(), 1);
    EXPECT_EQ(msg.shown[0].text, rt::standardDescription(75));
    EXPECT_TRUE(GetMRUFile(settings, 1).isEmpty());
    EXPECT_TRUE(window.calls.endsWith("EnableForm"));
}

TEST_F(ClassHandling, RefusedClassFileLeavesNoClassOpen) {
    OpenClassFile(planner, classFixture("sample1.lkc"));
    const QString bad = classFixture("no_version.lkc");
    window.calls.clear();
    OpenClassFile(planner, bad);
    EXPECT_TRUE(ClassFilePath.isEmpty());
    EXPECT_FALSE(ClassTablesAttached);
    EXPECT_EQ(window.calls,
              (QStringList{"DisableForm", "UICloseClass", "ShowNoView", "LoadMRUs", "EnableForm"}));
    EXPECT_NE(GetMRUFile(settings, 1), bad);
}

TEST_F(ClassHandling, TitleOf64CharactersOpensAnd65IsRefused) {
    const QString name64 = QString(60, 'a') + ".lkc", name65 = QString(61, 'a') + ".lkc";
    OpenClassFile(planner, classFixture("sample1.lkc", name64));
    EXPECT_EQ(StripPath(ClassFilePath), name64);
    window.calls.clear();
    OpenClassFile(planner, classFixture("sample1.lkc", name65));
    EXPECT_TRUE(window.calls.isEmpty()); // nothing closes, nothing opens
    EXPECT_EQ(ClassFilePath, path(name64));
    ASSERT_EQ(msg.shown.size(), 1);
    EXPECT_EQ(msg.shown[0].title, "Long Filename Error");
    EXPECT_EQ(msg.shown[0].text,
              "The length of this class file name may cause errors when printing.  Please rename "
              "the file and shorten the name to 64 characters or less.");
}

TEST_F(ClassHandling, OpenDialogRefusesSemicolonsAndEmptyNames) {
    dialogs.choose(path("a;b.lkc"));
    dialogs.choose("");
    dialogs.cancel();
    OpenClassDialog(planner);
    ASSERT_EQ(dialogs.shown.size(), 3);
    EXPECT_EQ(dialogs.shown[0].request.filter, "Larkspan Class Files (*.lkc)|*.lkc|All Files (*.*)|*.*");
    EXPECT_EQ(dialogs.shown[0].request.flags, 0x201004u);
    EXPECT_EQ(dialogs.shown[0].request.title, "Open");
    EXPECT_EQ(texts(),
              QStringList{"Semi-colons are not allowed in class filenames.\r\nPlease rename the file "
                          "and reopen it."});
    EXPECT_TRUE(window.calls.isEmpty());

    dialogs.choose(classFixture("sample1.lkc"));
    OpenClassDialog(planner);
    EXPECT_EQ(ClassFilePath, path("sample1.lkc"));
    EXPECT_EQ(window.calls.last(), "FocusLessonGrid");
}

// Linked under ";DATABASE=.../a;b.lkc;", a class file ".../a" beside it would be the one shown and
// edited: no way of opening a class gets past the Open dialog's refusal.
TEST_F(ClassHandling, NoWayInOpensAPathHoldingASemicolon) {
    const QString open = classFixture("sample1.lkc");
    classFixture("sample1.lkc", "a");
    const QString semicolon = path("a;b.lkc");
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"recent file or start-up", [&] { OpenClassFile(planner, semicolon); }},
        {"Copy Class", [&] { CopyClass(planner, semicolon); }},
    };
    for (const bool withFile : {false, true}) {
        if (withFile) classFixture("sample1.lkc", "a;b.lkc");
        for (const auto& [way, act] : ways) {
            OpenClassFile(planner, open);
            msg.shown.clear();
            window.calls.clear();
            act();
            EXPECT_EQ(msg.shown.value(0),
                      (rt::MbRequest{"Semi-colons are not allowed in class filenames.\r\nPlease rename the "
                                     "file and reopen it.",
                                     CourseSettings.AppTitle, rt::MbButtons::Ok, rt::MbIcon::Information}))
                << way;
            EXPECT_EQ(msg.shown.size(), 1) << way;
            EXPECT_TRUE(window.calls.isEmpty()) << way; // nothing closes, nothing opens
            EXPECT_EQ(ClassFilePath, open) << way;
            EXPECT_TRUE(ClassTablesAttached) << way;
            EXPECT_NE(GetMRUFile(settings, 1), semicolon) << way;
        }
        EXPECT_EQ(QFile::exists(semicolon), withFile); // Copy Class wrote nothing
    }
}

TEST_F(ClassHandling, CloseClassTestsTheLoadedCourse) {
    LessonClipboard.Lesson.TreeID = 12;
    CloseClass(planner);
    EXPECT_EQ(window.calls, (QStringList{"UICloseClass", "ShowNoView"}));
    EXPECT_EQ(LessonClipboard.Lesson.TreeID, -999);
    LoadedCourse.clear();
    window.calls.clear();
    LessonClipboard.Lesson.TreeID = 12;
    CloseClass(planner);
    EXPECT_TRUE(window.calls.isEmpty());
    EXPECT_EQ(LessonClipboard.Lesson.TreeID, -999);
}

TEST_F(ClassHandling, NewClassIsCreatedAndOpened) {
    plannerDialogs.newClass = {1, 2, path("new.lkc"), "  Mr. Lee ", " Science", "2nd  ", ""};
    bool specialShown = false;
    plannerDialogs.onSpecial = [&] { specialShown = ClassTablesAttached; };
    EXPECT_TRUE(NewClassUI(planner));
    EXPECT_TRUE(specialShown); // after the class was opened
    EXPECT_EQ(ClassFilePath, path("new.lkc"));
    EXPECT_EQ(ClassTeacher, "Mr. Lee");
    EXPECT_EQ(ClassPeriod, "2nd");
    EXPECT_EQ(plannerDialogs.log, (QStringList{"NewClass", "GetFileName", "Special"}));
    ASSERT_EQ(msg.shown.size(), 1);
    EXPECT_EQ(msg.shown[0].title, "Create a new class");
    EXPECT_EQ(msg.shown[0].text,
              "To begin working with this class, you may:\r\nuse Insert Special Day to set your "
              "school calendar, or\r\nuse Make Lesson Plans to begin scheduling lessons.");
}

TEST_F(ClassHandling, NewClassCancelledCreatesNothing) {
    plannerDialogs.newClass = {0, 2, path("new.lkc"), "", "", "", ""};
    EXPECT_FALSE(NewClassUI(planner));
    plannerDialogs.newClass = {2, 0, path("new.lkc"), "", "", "", ""};
    EXPECT_FALSE(NewClassUI(planner));
    EXPECT_FALSE(QFile::exists(path("new.lkc")));
    EXPECT_EQ(plannerDialogs.log, (QStringList{"NewClass", "NewClass", "GetFileName"}));
    EXPECT_TRUE(msg.shown.isEmpty());
}

TEST_F(ClassHandling, CopyOntoTheOpenFileIsRefusedUnderAnySpelling) {
    const QString file = classFixture("sample1.lkc");
    OpenClassFile(planner, file);
    QDir().mkpath(path("sub"));
    QFile::link(file, path("link.lkc"));
    const QByteArray before = [&] {
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    for (const QString& same :
         {file, dir.path() + "/./sample1.lkc", dir.path() + "/sub/../sample1.lkc", path("link.lkc")}) {
        msg.shown.clear();
        CopyClass(planner, same);
        EXPECT_EQ(texts(), QStringList{"You may not save over the file that is open."}) << same.toStdString();
        EXPECT_EQ(msg.shown.value(0).title, "Copy Class Error");
        EXPECT_EQ(ClassFilePath, file);
    }
    QFile f(file);
    f.open(QIODevice::ReadOnly);
    EXPECT_EQ(f.readAll(), before);
}

TEST_F(ClassHandling, CopyLeavesTheCopyOpenOnTheSameDate) {
    OpenClassFile(planner, classFixture("sample1.lkc"));
    CurrentLesson.LPDate = day(2027, 1, 5);
    const QString copy = path("copy.lkc");
    CopyClass(planner, copy);
    EXPECT_EQ(ClassFilePath, copy);
    EXPECT_TRUE(ClassTablesAttached);
    EXPECT_EQ(CurrentLesson.LessonPlanID, 2);
    EXPECT_EQ(CurrentLesson.Title.toString(), "Moving Air Is Wind");
    EXPECT_EQ(GetMRUFile(settings, 1), copy);
    EXPECT_TRUE(msg.shown.isEmpty());
}

TEST_F(ClassHandling, FailedCopyLeavesTheClassClosed) {
    OpenClassFile(planner, classFixture("sample1.lkc"));
    CopyClass(planner, path("no-folder/copy.lkc"));
    ASSERT_EQ(msg.shown.size(), 1);
    EXPECT_EQ(msg.shown[0].title, "Copy Class");
    EXPECT_TRUE(msg.shown[0].text.startsWith("Error copying class file: "));
    EXPECT_EQ(msg.shown[0].icon, rt::MbIcon::Exclamation);
    EXPECT_TRUE(ClassFilePath.isEmpty());
    EXPECT_FALSE(ClassTablesAttached);
}

TEST_F(ClassHandling, CommandLineCourse) {
    rt::setCommandLine("SAMPLE0");
    SetCourseFromCommandLine(planner);
    EXPECT_EQ(LoadedCourse, "SAMPLE0");
    EXPECT_FALSE(CourseSettings.AppTitle.isEmpty());

    CourseSettings = {};
    rt::setCommandLine(" SAMPLE1");
    EXPECT_THROW(SetCourseFromCommandLine(planner), Ended);
    EXPECT_EQ(msg.shown.value(0),
              (rt::MbRequest{"Command line course  SAMPLE1 is not installed.", QString()}));
}

// Every course reads as not installed from a settings file that cannot be read: the message says so.
TEST_F(ClassHandling, ASettingsFileThatCannotBeReadIsNamed) {
    rt::IniSettings folder(dir.path());
    rt::Platform unreadable{msg, folder, dialogs, clipboard, shell, pdf, printers, loop, cursor};
    Planner started{unreadable, plannerDialogs, &window, [] { throw Ended{}; }};
    rt::setCommandLine("SAMPLE1");
    EXPECT_THROW(SetCourseFromCommandLine(started), Ended);
    EXPECT_EQ(texts(), QStringList{"The settings file " + dir.path() + " cannot be read: it is a folder."});
}

TEST_F(ClassHandling, GuidedTour) {
    LaunchGuidedTour(planner);
    EXPECT_EQ(shell.calls.value(0).file, path("tour") + "/Guided Tour.exe");
    EXPECT_TRUE(msg.shown.isEmpty());
    const std::pair<int, int> failures[] = {{53, 0}, {0, 0}};
    for (const auto& [error, task] : failures) {
        msg.shown.clear();
        shell.startError = error;
        shell.codes = {task};
        LaunchGuidedTour(planner);
        EXPECT_EQ(
            msg.shown.value(0),
            (rt::MbRequest{"Please insert the Kitbright Planner disk in the CD-ROM drive "
                           "and try again.",
                           QString("Could not launch tour"), rt::MbButtons::Ok, rt::MbIcon::Information}));
    }
    msg.shown.clear();
    shell.startError = 5;
    LaunchGuidedTour(planner);
    EXPECT_TRUE(msg.shown.isEmpty());
}

class StartUpFlow : public ClassHandling {
protected:
    StartUp startUp{[this] { return anotherCopy; }, [this] { return &window; }};
    bool anotherCopy = false;
};

TEST_F(StartUpFlow, SecondCopyEndsAtOnce) {
    anotherCopy = true;
    EXPECT_FALSE(Main(planner, startUp));
    EXPECT_TRUE(window.calls.isEmpty());
    EXPECT_TRUE(plannerDialogs.log.isEmpty());
}

TEST_F(StartUpFlow, CancelShowsNoView) {
    EXPECT_TRUE(Main(planner, startUp));
    EXPECT_EQ(window.calls, (QStringList{"ShowNoView", "ShowNoView", "LoadMRUs"}));
    EXPECT_EQ(CurrentLesson.LessonPlanID, -999);
    EXPECT_EQ(CurrentLesson.LPDate, day(2027, 1, 9));
    EXPECT_EQ(BoldNodeFont.name, "MS Sans Serif");
}

TEST_F(StartUpFlow, ExistingClassThroughTheOpenDialog) {
    plannerDialogs.openAppResult = 1;
    dialogs.choose(classFixture("sample1.lkc"));
    EXPECT_TRUE(Main(planner, startUp));
    EXPECT_EQ(ClassFilePath, path("sample1.lkc"));
    EXPECT_EQ(window.calls.mid(window.calls.size() - 2), (QStringList{"FocusLessonGrid", "LoadMRUs"}));
}

TEST_F(StartUpFlow, NewClassGivesTheFocusToMakeLessonPlans) {
    plannerDialogs.openAppResult = 2;
    plannerDialogs.newClass = {2, 2, path("new.lkc"), "T", "S", "P", ""};
    EXPECT_TRUE(Main(planner, startUp));
    EXPECT_EQ(window.calls.mid(window.calls.size() - 2), (QStringList{"FocusScheduleLessons", "LoadMRUs"}));
}

TEST_F(StartUpFlow, CourseNotInstalledEndsTheProgram) {
    rt::setCommandLine("NOSUCH");
    EXPECT_THROW(Main(planner, startUp), Ended);
    EXPECT_TRUE(window.calls.isEmpty());
}

} // namespace
