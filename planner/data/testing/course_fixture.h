#pragma once

#include "runtime/testing/platform_doubles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// The sample courses installed into a temporary folder (their databases copied, since opening a class
// writes links into them), the platform's doubles, the template beside the program, and the module
// state of the planner's data reset. SAMPLE1 is the command line's course.
class CourseFixture : public ::testing::Test, protected rt::PlatformDoubles {
protected:
    void SetUp() override;
    void TearDown() override;

    // Installs a course key over the files of a built course ("SAMPLE1", "SAMPLE0"), with its own
    // configuration file when one is named.
    void install(const QString& key, const QString& course, const QString& config = {});
    // A copy of a built class-file fixture ("sample1.lkc", "v002.lkc", ...) in the temporary folder.
    QString classFixture(const QString& name, const QString& as = {});
    // Opens a class-file fixture's copy, as opening a class does; fails the test when it is refused.
    QString attach(const QString& fixture = QStringLiteral("sample1.lkc"));
    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
};
