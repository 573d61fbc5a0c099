#pragma once

// A built program's test: a copy of the sample course SAMPLE1 installed into a settings file of the test's
// own, the control libraries the program creates registered there, and the environment the program runs
// in (offscreen, reporting its windows).
#include "runtime/settings.h"
#include "runtime/testing/registered_libraries.h"
#include "tools/install_course/install_course.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <initializer_list>
#include <vector>

class ProgramFixture : public ::testing::Test {
protected:
    explicit ProgramFixture(std::initializer_list<const char*> libraries) : libraries_(libraries) {}

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir().mkpath(course()));
        for (const char* file : {"SAMPLE1.mdb", "SAMPLE1.cfg"})
            ASSERT_TRUE(
                QFile::copy(QStringLiteral(LK_COURSE_DIR "/SAMPLE1/") + file, course() + u'/' + file));
        rt::IniSettings settings(dir.filePath("settings.ini"));
        ASSERT_EQ(InstallCourse(settings, "SAMPLE1", course()), QString());
        for (const char* library : libraries_) rt::registerLibraries(settings.file(), {library});
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("LARKSPAN_SETTINGS", settings.file());
        environment.insert("LARKSPAN_WINDOW_REPORT", "1");
        // The program finds its running copy by a socket in the temporary folder: one of the test's own keeps
        // other runs of the program apart, and goes with the test.
        environment.insert("TMPDIR", dir.path());
    }

    // The folder of the course's copy.
    QString course() const { return dir.filePath("SAMPLE1"); }

    QTemporaryDir dir;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();

private:
    std::vector<const char*> libraries_;
};
