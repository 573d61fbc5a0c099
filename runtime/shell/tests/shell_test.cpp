#include "runtime/error.h"
#include "runtime/shell/shell.h"
#include "tests/support/environment_guard.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

TEST(LinuxShell, CodesForMissingFilesAndFolders) {
    QTemporaryDir dir;
    rt::LinuxShell shell;
    EXPECT_EQ(shell.execute("open", "none.pdf", {}, dir.path(), 1), 2);
    EXPECT_EQ(shell.execute("open", "none.pdf", {}, dir.filePath("no-folder"), 1), 3);
    EXPECT_EQ(shell.execute("open", dir.filePath("no-folder/x.pdf"), {}, {}, 1), 3);
    EXPECT_EQ(shell.execute("print", "none.pdf", {}, dir.path(), 1), 2);
    EXPECT_EQ(shell.execute("open", "", {}, dir.path(), 1), 2);
    EXPECT_EQ(shell.execute("open", "", {}, {}, 1), 2);
    QString program;
    EXPECT_EQ(shell.findExecutable("none.pdf", dir.path(), &program), 2);
}

TEST(LinuxShell, ProgramAndArgumentsTravelApart) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("a folder");
    QDir().mkpath(folder);
    const QString program = folder + "/echo args";
    const QString out = folder + "/out \"1\".txt";
    QFile script(program);
    script.open(QIODevice::WriteOnly);
    script.write("#!/bin/sh\nfor a in \"$@\"; do printf '[%s]' \"$a\"; done > \"$1\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    rt::LinuxShell shell;
    EXPECT_EQ(shell.runAndWait(program, {out, "it's \"quoted\"", "a b"}), 0);
    QFile result(out);
    ASSERT_TRUE(result.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(result.readAll()), "[" + out + "][it's \"quoted\"][a b]");
    EXPECT_EQ(shell.runAndWait(folder + "/missing", {}), -1);
}

TEST(LinuxShell, StartingAMissingProgramIsError53) {
    rt::LinuxShell shell;
    try {
        shell.startProgram("/nonexistent/Guided Tour.exe", {});
        FAIL();
    } catch (const rt::RuntimeError& e) {
        EXPECT_EQ(e.number, 53);
    }
}

} // namespace

// Stand-ins for the desktop's programs on PATH: each logs its name and arguments, one per line, and
// exits with the number in its ".exit" file; xdg-mime answers a query with its ".type" or ".default"
// file. Desktop entries are looked up in a data folder of the test's own.
class DesktopShell : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QDir().mkpath(bin);
        QDir().mkpath(applications);
        fake("xdg-open", "");
        fake("lp", "");
        fake("xdg-mime", "case \"$2\" in filetype) cat \"$0.type\";; default) cat \"$0.default\";; esac\n");
        environment.set("PATH", (bin + ':' + qEnvironmentVariable("PATH")).toStdString());
        environment.set("XDG_DATA_HOME", dir.filePath("data").toStdString());
        environment.set("XDG_DATA_DIRS", dir.filePath("none").toStdString());
        QDir().mkpath(dir.filePath("Docs/Unit 1"));
        document = dir.filePath("Docs/Unit 1/it's \"a\" b.pdf");
        write(document, "%PDF-1.4\n");
        write(bin + "/xdg-mime.type", "application/pdf\n");
        write(bin + "/xdg-mime.default", "lkreader.desktop\n");
        entry("lkreader.desktop", "lkreader %f");
        program(bin + "/lkreader");
    }
    static void write(const QString& path, const QByteArray& text) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(text);
    }
    static void program(const QString& path, const QByteArray& body = "exit 0\n") {
        write(path, "#!/bin/sh\n" + body);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void fake(const QString& name, const QByteArray& answer) {
        program(bin + '/' + name, "{ echo " + name.toUtf8() +
                                      "; for a in \"$@\"; do echo \"$a\"; done; } >> \"" +
                                      dir.filePath("log").toUtf8() + "\"\n" + answer +
                                      "exit $(cat \"$0.exit\" 2>/dev/null || echo 0)\n");
    }
    void entry(const QString& id, const QByteArray& exec) {
        write(applications + '/' + id, "[Desktop Entry]\nType=Application\nName=Reader\nExec=" + exec +
                                           "\n[Desktop Action Print]\nExec=other --print %f\n");
    }
    QStringList log() const {
        QFile file(dir.filePath("log"));
        if (!file.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }
    // The log once a started program has written its whole `entry` at the end of it (or as it stands when
    // the program has had its time).
    QStringList logEndingWith(const QStringList& entry) const {
        for (QDeadlineTimer deadline(10000); !deadline.hasExpired(); QThread::msleep(10)) {
            const QStringList lines = log();
            if (lines.size() >= entry.size() && lines.sliced(lines.size() - entry.size()) == entry) break;
        }
        return log();
    }

    QTemporaryDir dir;
    const QString bin = dir.filePath("bin"), applications = dir.filePath("data/applications");
    QString document;
    EnvironmentGuard environment;
};

TEST_F(DesktopShell, OpensTheFileThroughTheAssociationAsOneArgument) {
    rt::LinuxShell shell;
    EXPECT_EQ(shell.execute("open", "unit 1\\IT'S \"A\" B.PDF", {}, dir.filePath("docs"), 1), 42);
    EXPECT_EQ(logEndingWith({"xdg-open", document}),
              (QStringList{"xdg-mime", "query", "filetype", document, "xdg-mime", "query", "default",
                           "application/pdf", "xdg-open", document}));
}

TEST_F(DesktopShell, AUrlGoesStraightToTheDesktop) {
    rt::LinuxShell shell;
    EXPECT_EQ(shell.execute("open", "https://example.org/help?a=1&b=2", {}, {}, 1), 42);
    const QStringList entry{"xdg-open", "https://example.org/help?a=1&b=2"};
    EXPECT_EQ(logEndingWith(entry), entry);
}

TEST_F(DesktopShell, AMissingOrBrokenAssociationHasItsCodeAndOpensNothing) {
    const struct {
        const char* what;
        QByteArray type, entryId, exec;
        int code;
    } cases[] = {
        {"type unknown", "", "lkreader.desktop", "lkreader %f", 31},
        {"no default program", "application/pdf", "", "lkreader %f", 31},
        {"entry not there", "application/pdf", "gone.desktop", "lkreader %f", 27},
        {"entry without Exec", "application/pdf", "lkreader.desktop", "", 27},
        {"program not there", "application/pdf", "lkreader.desktop", "lk-missing %f", 27},
        {"program not runnable", "application/pdf", "lkreader.desktop",
         "\"" + dir.filePath("Docs").toUtf8() + "/Unit 1/it's \\\\\"a\\\\\" b.pdf\" %f", 11},
    };
    rt::LinuxShell shell;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        write(bin + "/xdg-mime.type", c.type);
        write(bin + "/xdg-mime.default", c.entryId);
        entry("lkreader.desktop", c.exec);
        QString found = "untouched";
        EXPECT_EQ(shell.findExecutable(document, {}, &found), c.code);
        EXPECT_EQ(found, "untouched");
        EXPECT_EQ(shell.execute("open", document, {}, {}, 1), c.code);
    }
    // A page opened afterwards is the only one the desktop is asked for: an open started by one of the
    // failures above would have logged before it.
    EXPECT_EQ(shell.execute("open", "https://example.org/", {}, {}, 1), 42);
    EXPECT_EQ(logEndingWith({"xdg-open", "https://example.org/"}).count("xdg-open"), 1);
}

TEST_F(DesktopShell, FindsTheAssociatedProgramWholeWhenItsPathHasBlanks) {
    const QString reader = dir.filePath("a folder/Lesson \"Reader\"");
    QDir().mkpath(dir.filePath("a folder"));
    program(reader);
    const struct {
        QByteArray exec;
        QString program;
    } cases[] = {
        {"\"" + dir.filePath("a folder").toUtf8() + "/Lesson \\\\\"Reader\\\\\"\" --print %f", reader},
        {"  lkreader --page=1 %U", bin + "/lkreader"},
    };
    rt::LinuxShell shell;
    for (const auto& c : cases) {
        entry("lkreader.desktop", c.exec);
        QString found;
        EXPECT_EQ(shell.findExecutable("it's \"a\" b.pdf", dir.filePath("Docs/Unit 1"), &found), 42);
        EXPECT_EQ(found, c.program);
    }
}

TEST_F(DesktopShell, PrintingHandsTheFileToLp) {
    rt::LinuxShell shell;
    EXPECT_EQ(shell.execute("print", document, {}, {}, 1), 42);
    write(bin + "/lp.exit", "1");
    EXPECT_EQ(shell.execute("print", document, {}, {}, 1), 31);
    EXPECT_EQ(log(), (QStringList{"lp", "--", document, "lp", "--", document}));
}
