#include "runtime/settings.h"
#include "runtime/testing/memory_settings.h"
#include "tools/install_course/install_course.h"

#include <QDir>
#include <QFile>
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

} // namespace
