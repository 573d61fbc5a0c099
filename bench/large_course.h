#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QTemporaryDir>

struct sqlite3;

namespace rt {
class SettingsStore;
}

// The large course of the benchmarks, made at build time under the build folder (bench/large/: the
// course folder LARGE with LARGE.mdb, LARGE.cfg and pdf/, and the class file LARGE.lkc), from
// bench/large_course/. A benchmark works on a copy, since opening a class writes links into the course
// database and the planner writes the class file.
//
// The course ("0101", UCI LC01): units 1-10, each of 10 chapters (TreeID 101-200), each of 20 lessons
// (TreeID 1001-3000); root 11, the lesson bank, holds one flat level of 2,000 lessons (5001-7000).
// Lesson 1000 + k has the ten resources (k - 1) * 10 + 1 to k * 10 (20,000 in all: a heading first, the
// last two not core, each a page range of its unit's document unitNN.pdf, the second one also in
// Spanish). The chapter library numbers its nodes as the lesson tree; the type library holds types
// 20001-20010 with a node per unit. The class: a plan on every school day from Monday 30 August 2027 to
// Friday 5 May 2028 (180 days), 22 of them special days, each lesson plan with its lesson's ten resources.
class LargeCourse {
public:
    static constexpr const char* Key = "LARGE";
    static constexpr int FirstUnit = 1, LessonBank = 11, FirstChapter = 101;
    static constexpr int LevelSize = 2000, ChapterSize = 20, ResourcesPerPlan = 10, SchoolDays = 180;

    // Copies the built course folder and its class file into a temporary folder, in memory (/dev/shm)
    // where the machine has one, so that the figures are the program's and not the disk's syncs.
    LargeCourse();

    // The class's 180 school days, Monday to Friday from 30 August 2027, each with a plan.
    static QList<QDate> schoolDays();

    // Another copy of the built class file beside the course, under a new name each call.
    QString freshClassFile();
    // Installs the copy under Key, as the course installer does.
    void install(rt::SettingsStore& settings) const;
    // Writes the four links of the class file `classFile` into the copy's course database, as opening
    // a class does.
    void link(const QString& classFile) const;
    // The copy's course database with the class file `classFile` attached, opened without the layer:
    // the raw baseline. The caller closes it.
    sqlite3* rawConnection(const QString& classFile) const;

    QString folder, database, classFile;

private:
    static QString temporaryFolder();

    QTemporaryDir dir_{temporaryFolder()};
    int copies_ = 0;
};
