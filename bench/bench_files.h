#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QTemporaryDir>

struct sqlite3;

// A copy of the SAMPLE1 course database and a class file from the template with one plan on each of the
// given days, linked into the course database as opening a class links it: the files of a benchmark
// on disk.
class BenchFiles {
public:
    explicit BenchFiles(const QList<QDate>& planDays);

    // The same files opened the same way without the layer: the course database with the class file
    // attached. The caller closes it.
    sqlite3* rawConnection() const;

    QString course, classFile;

private:
    QTemporaryDir dir_;
};
