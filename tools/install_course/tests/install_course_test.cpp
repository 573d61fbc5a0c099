#include "runtime/settings.h"
#include "runtime/testing/memory_settings.h"
#include "tools/install_course/install_course.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString app = QStringLiteral("Brackwell Larkspan 2.0 Engine");

TEST(InstallCourse, WritesTheFourValuesOfABuiltCourse) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("settings.ini"));
    {
        rt::IniSettings settings(file);
        EXPECT_EQ(InstallCourse(settings, QStringLiteral("KTN1"), QStringLiteral(LK_COURSE_DIR "/SAMPLE1")),
                  QString());
    }
    rt::IniSettings settings(file);
    const QString section = QStringLiteral("Installed Courses\\KTN1");
    const QString folder = QDir(QStringLiteral(LK_COURSE_DIR "/SAMPLE1")).absolutePath();
    EXPECT_EQ(settings.get(app, section, QStringLiteral("Path")), folder + QStringLiteral("/SAMPLE1.mdb"));
    EXPECT_EQ(settings.get(app, section, QStringLiteral("Config")), folder + QStringLiteral("/KTN1.cfg"));
    EXPECT_EQ(settings.get(app, section, QStringLiteral("Tour")), folder + QStringLiteral("/tour"));
    EXPECT_EQ(settings.get(app, section, QStringLiteral("PDFDir")), folder + u'/');
}

TEST(InstallCourse, RefusesWhatIsNoBuiltCourseAndWritesNothing) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("FAKE"));
    QFile text(dir.filePath(QStringLiteral("FAKE/FAKE.mdb")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a database");
    text.close();
    const struct {
        const char* key;
        QString folder;
    } cases[] = {
        {"SAMPLE1", dir.filePath(QStringLiteral("missing"))}, // no folder
        {"FAKE", dir.filePath(QStringLiteral("FAKE"))},       // no database in it
        {"NOCFG", QStringLiteral(LK_COURSE_DIR "/SAMPLE1")},  // no configuration of that key
        {"A\\B", QStringLiteral(LK_COURSE_DIR "/SAMPLE1")},   // a key that would split the section
        {"", QStringLiteral(LK_COURSE_DIR "/SAMPLE1")},
    };
    for (const auto& c : cases) {
        rt::MemorySettings settings;
        EXPECT_FALSE(InstallCourse(settings, QString::fromLatin1(c.key), c.folder).isEmpty()) << c.key;
        EXPECT_TRUE(settings.writes.isEmpty()) << c.key;
    }
}

TEST(InstallCourse, TheToolSaysWhenTheSettingsCannotBeWritten) {
    QTemporaryDir dir;
    const QString settings = dir.filePath(QStringLiteral("settings.ini"));
    ASSERT_TRUE(QDir().mkdir(settings));
    QProcess tool;
    tool.start(QStringLiteral(LK_INSTALL_COURSE),
               {settings, QStringLiteral("SAMPLE1"), QStringLiteral(LK_COURSE_DIR "/SAMPLE1")});
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitCode(), 1);
    EXPECT_EQ(QString::fromUtf8(tool.readAllStandardError()),
              "lk_install_course: Path/File access error: the settings file " + settings +
                  " cannot be written\n");
    EXPECT_TRUE(QDir(settings).isEmpty());
}

} // namespace
