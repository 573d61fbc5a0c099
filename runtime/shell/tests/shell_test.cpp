#include "runtime/error.h"
#include "runtime/shell/shell.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(LinuxShell, CodesForMissingFilesAndFolders) {
    QTemporaryDir dir;
    rt::LinuxShell shell;
    EXPECT_EQ(shell.execute("open", "none.pdf", {}, dir.path(), 1), 2);
    EXPECT_EQ(shell.execute("open", "none.pdf", {}, dir.filePath("no-folder"), 1), 3);
    EXPECT_EQ(shell.execute("open", dir.filePath("no-folder/x.pdf"), {}, {}, 1), 3);
    EXPECT_EQ(shell.execute("print", "none.pdf", {}, dir.path(), 1), 2);
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
