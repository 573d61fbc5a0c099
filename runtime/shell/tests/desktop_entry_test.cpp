// The one reader of desktop entries that the planner's shell and the plug-in share.
#include "runtime/shell/desktop_entry.h"
#include "tests/support/environment_guard.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class DesktopEntries : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        environment.set("XDG_DATA_HOME", dir.filePath("home").toStdString());
        environment.set("XDG_DATA_DIRS", (dir.filePath("none") + ':' + dir.filePath("system")).toStdString());
    }
    void write(const QString& folder, const QByteArray& text) {
        QDir().mkpath(dir.filePath(folder + "/applications"));
        QFile file(dir.filePath(folder + "/applications/reader.desktop"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QTemporaryDir dir;
    EnvironmentGuard environment;
};

TEST_F(DesktopEntries, TheProgramIsTheFirstWordOfTheExecLineWithEscapesAndQuotesUndone) {
    const struct {
        const char* what;
        QByteArray entry;
        std::string program;
    } cases[] = {
        {"plain", "[Desktop Entry]\nExec=lkreader --page=1 %f\n", "lkreader"},
        {"blanks around", "[Desktop Entry]\n  Exec = \t lkreader %U  \n", "lkreader"},
        {"quoted path with blanks", "[Desktop Entry]\nExec=\"/opt/Lesson Reader/reader\" %f\n",
         "/opt/Lesson Reader/reader"},
        {"escaped quote in quotes", "[Desktop Entry]\nExec=\"/opt/a \\\\\"b\\\\\"/reader\" %f\n",
         "/opt/a \"b\"/reader"},
        {"escaped blank in quotes", "[Desktop Entry]\nExec=\"/opt/Lesson\\sReader/reader\" %f\n",
         "/opt/Lesson Reader/reader"},
        {"escaped blank unquoted separates", "[Desktop Entry]\nExec=/opt/Lesson\\sReader/reader\n",
         "/opt/Lesson"},
        {"an action's Exec is not the entry's",
         "[Desktop Action Print]\nExec=other\n[Desktop Entry]\nExec=main\n", "main"},
        {"a line of another key", "[Desktop Entry]\nTryExec=other\nExec=main %f\n", "main"},
        {"no Exec line", "[Desktop Entry]\nName=Reader\n", ""},
        {"Exec of another group only", "[Desktop Entry]\nName=R\n[Desktop Action New]\nExec=other\n", ""},
        {"empty Exec", "[Desktop Entry]\nExec=\n", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        write("home", c.entry);
        EXPECT_EQ(rt::desktopEntryProgram("reader.desktop"), c.program);
    }
}

TEST_F(DesktopEntries, TheUsersEntryComesBeforeTheSystemsAndAMissingOneGivesNothing) {
    EXPECT_EQ(rt::desktopEntryProgram("reader.desktop"), "");
    write("system", "[Desktop Entry]\nExec=system-reader\n");
    EXPECT_EQ(rt::desktopEntryProgram("reader.desktop"), "system-reader");
    write("home", "[Desktop Entry]\nExec=own-reader\n");
    EXPECT_EQ(rt::desktopEntryProgram("reader.desktop"), "own-reader");
    EXPECT_EQ(rt::desktopEntryProgram("other.desktop"), "");
    EXPECT_EQ(rt::desktopEntryProgram("../home/applications/reader.desktop"), "");
    EXPECT_EQ(rt::desktopEntryProgram(""), "");
}

} // namespace
