#include "course_fixture.h"

#include "planner/data/course_database.h"
#include "planner/data/format_table.h"
#include "runtime/command_line.h"
#include "runtime/dao/engine.h"
#include "runtime/program_folder.h"
#include "runtime/strings.h"
#include "shared/course_settings.h"

#include <QFile>

void CourseFixture::SetUp() {
    ASSERT_TRUE(dir.isValid());
    rt::setProgramFolder(QStringLiteral(LK_PROGRAM_DIR));
    rt::setCommandLine(QStringLiteral("SAMPLE1"));
    CourseSettings = {};
    FormatTable.clear();
    LoadedCourse = QStringLiteral("SAMPLE1");
    install(QStringLiteral("SAMPLE1"), QStringLiteral("SAMPLE1"));
    install(QStringLiteral("SAMPLE0"), QStringLiteral("SAMPLE0"));
}

void CourseFixture::TearDown() {
    DetachClassTables();
    CloseCourseDatabase();
    ResetCourseDataState();
    rt::setProgramFolder({});
}

void CourseFixture::install(const QString& key, const QString& course, const QString& config) {
    const QString built = QStringLiteral(LK_COURSE_DIR) + u'/' + course + u'/';
    const QString db = path(course + QStringLiteral(".mdb"));
    if (!QFile::exists(db)) ASSERT_TRUE(QFile::copy(built + course + QStringLiteral(".mdb"), db));
    QFile::setPermissions(db, QFile::ReadOwner | QFile::WriteOwner);
    const QString app = rt::StringTable::get(100), section = rt::StringTable::get(104) + u'\\' + key;
    settings.set(app, section, "Path", db);
    settings.set(app, section, "Config", config.isEmpty() ? built + course + QStringLiteral(".cfg") : config);
    settings.set(app, section, "Tour", path("tour"));
    settings.set(app, section, "PDFDir", built);
}

QString CourseFixture::classFixture(const QString& name, const QString& as) {
    const QString target = path(as.isEmpty() ? name : as);
    QFile::remove(target);
    EXPECT_TRUE(QFile::copy(QStringLiteral(LK_COURSE_DIR "/fixtures/") + name, target)) << name.toStdString();
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

QString CourseFixture::attach(const QString& fixture) {
    const QString file = classFixture(fixture);
    EXPECT_TRUE(AttachClassTables(platform, file));
    return file;
}
