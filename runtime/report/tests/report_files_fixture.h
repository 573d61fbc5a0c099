#pragma once

#include "runtime/dao/engine.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The report tests' files: writable copies in a temporary folder, and SQL run on them.
class ReportFilesFixture : public ::testing::Test {
protected:
    // A copy of a file in the temporary folder, writable.
    QString copy(const QString& from, const QString& name) {
        const QString to = dir.filePath(name);
        QFile::remove(to);
        EXPECT_TRUE(QFile::copy(from, to));
        QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner);
        return to;
    }
    void run(const QString& database, const QStringList& statements) {
        rt::Database db = rt::DBEngine::instance().workspace().openDatabase(database);
        for (const QString& sql : statements) db.execute(sql);
        db.close();
    }

    QTemporaryDir dir;
};
