// The built program in a process of its own, offscreen, with a settings file of its own; the test reads
// the windows it reports and answers them as a user would.
#include "runtime/com/component_registry.h"
#include "runtime/settings.h"
#include "runtime/testing/registered_libraries.h"
#include "tools/install_course/install_course.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Long enough for a loaded machine; a program that never answers fails the test instead of hanging it.
constexpr int waitMs = 30000;

class Larkspan {
public:
    explicit Larkspan(const QProcessEnvironment& environment) { process_.setProcessEnvironment(environment); }
    ~Larkspan() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(waitMs);
        }
    }

    void start(const QString& key) {
        process_.start(QStringLiteral(LK_PROGRAM_DIR "/Larkspan"), {key});
        ASSERT_TRUE(process_.waitForStarted(waitMs));
    }
    // The next line the program writes, or empty when it ends or says nothing in time.
    QString nextLine() {
        while (!process_.canReadLine())
            if (!process_.waitForReadyRead(waitMs)) return {};
        return QString::fromUtf8(process_.readLine()).chopped(1);
    }
    void send(const QString& command) {
        process_.write((command + u'\n').toUtf8());
        process_.waitForBytesWritten(waitMs);
    }
    QString property(const QString& name, const QString& property) {
        send(QStringLiteral("property %1 %2").arg(name, property));
        return nextLine().section(u'\t', 3);
    }
    // The exit code once the program has ended by itself; -1 when it crashed or did not end.
    int exitCode() {
        if (!process_.waitForFinished(waitMs) || process_.exitStatus() != QProcess::NormalExit) return -1;
        return process_.exitCode();
    }
    QString remainingOutput() { return QString::fromUtf8(process_.readAllStandardOutput()); }

private:
    QProcess process_;
};

class LarkspanProgram : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const QString course = dir.filePath("SAMPLE1");
        ASSERT_TRUE(QDir().mkpath(course));
        for (const char* file : {"SAMPLE1.mdb", "SAMPLE1.cfg"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(LK_COURSE_DIR "/SAMPLE1/") + file, course + u'/' + file));
        rt::IniSettings settings(dir.filePath("settings.ini"));
        ASSERT_EQ(InstallCourse(settings, "SAMPLE1", course), QString());
        rt::registerLibraries(settings.file(), {CVCELL_OCX, CVTAB_OCX});
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("LARKSPAN_SETTINGS", settings.file());
        environment.insert("LARKSPAN_WINDOW_REPORT", "1");
        // The program finds its running copy by a socket in the temporary folder: one of the test's own keeps
        // other runs of the program apart, and goes with the test.
        environment.insert("TMPDIR", dir.path());
    }

    QTemporaryDir dir;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

TEST_F(LarkspanProgram, StartsWithNoClassUnderTheStartUpDialogAndEndsByFileExit) {
    Larkspan program(environment);
    program.start("SAMPLE1");
    EXPECT_EQ(program.nextLine(), "shown\tPlanX\t0\tBrackwell Larkspan\t");
    const QStringList dialog = program.nextLine().split(u'\t');
    ASSERT_EQ(dialog.size(), 5);
    EXPECT_EQ(dialog[1], "OpenApp");
    EXPECT_EQ(dialog[2], "2") << "the start-up dialog is modal over the main window";
    for (const char* option : {"opDayView", "opWeekView", "opMonthView"})
        EXPECT_EQ(program.property(option, "checked"), "false") << option;

    program.send("press Cancel");
    EXPECT_EQ(program.property("PlanX", "windowTitle"), "Brackwell Larkspan");
    EXPECT_EQ(program.property("PlanX", "visible"), "true");
    EXPECT_EQ(program.property("mnuFileClose", "enabled"), "false");
    EXPECT_EQ(program.property("opDayView", "checked"), "false");

    // A second copy hands over to the running one and ends at once, showing nothing.
    {
        Larkspan second(environment);
        second.start("SAMPLE1");
        EXPECT_EQ(second.exitCode(), 0);
        EXPECT_EQ(second.remainingOutput(), "");
    }

    program.send("trigger mnuFileExit");
    EXPECT_EQ(program.exitCode(), 0);
}

TEST_F(LarkspanProgram, ACourseThatIsNotInstalledIsToldAndEndsTheProgram) {
    Larkspan program(environment);
    program.start("NOSUCH");
    const QStringList box = program.nextLine().split(u'\t');
    ASSERT_EQ(box.size(), 5);
    EXPECT_EQ(box[1], "QMessageBox");
    EXPECT_EQ(box[4], "Command line course NOSUCH is not installed.");
    program.send("press OK");
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(program.remainingOutput(), "") << "no window follows";
}

TEST_F(LarkspanProgram, AWeekCellLibraryThatIsNotRegisteredIsToldAndEndsTheProgram) {
    rt::IniSettings settings(environment.value("LARKSPAN_SETTINGS"));
    rt::ComponentRegistry registry(settings);
    const QUuid cell = registry.classId("CVCell.WeekViewCell");
    registry.withdraw("CVCell.WeekViewCell", cell, registry.library(cell));
    Larkspan program(environment);
    program.start("SAMPLE1");
    const QStringList box = program.nextLine().split(u'\t');
    ASSERT_EQ(box.size(), 5);
    EXPECT_EQ(box[1], "QMessageBox");
    EXPECT_TRUE(box[4].startsWith("Run-time error '429':")) << box[4].toStdString();
    program.send("press OK");
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(program.remainingOutput(), "") << "no window follows";
}

} // namespace
