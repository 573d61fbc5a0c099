#pragma once

#include "runtime/dao/engine.h"
#include "runtime/error.h"
#include "runtime/testing/error_of.h"

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace daotest {

// Real SQLite files in a temporary folder, written by SQLite directly, and the default workspace
// closed after each test.
class DaoTest : public ::testing::Test {
protected:
    void TearDown() override { ws().close(); }

    rt::Workspace& ws() { return rt::DBEngine::instance().workspace(); }
    QString path(const QString& name) const { return dir_.filePath(name); }
    // A new database file made of the SQL script.
    QString makeDb(const QString& name, const QString& sql);
    // The class-file template's tables, one class row and one version row.
    QString makeClassFile(const QString& name);
    // A course database with a few resources and saved queries over them and over the class links.
    QString makeCourse(const QString& name);
    // The course database with the class file's four links made and the file attached.
    rt::Database openLinked(QString* classPath = nullptr);

private:
    QTemporaryDir dir_;
};

// The connect string of a link to the file.
QString connectTo(const QString& file);

using rt::errorOf;

// A query result row by row, the fields joined by "|" and Null written as "<null>".
QString rowsOf(rt::Recordset& rs);

} // namespace daotest
