#pragma once

#include <QString>

namespace rt {
class Database;
}

// One node of the course's lesson tree. A fresh record has both ids 0, empty texts and no children.
struct LessonInfoRecord {
    qint32 TreeID = 0;
    QString Title;
    qint32 ParentID = 0;
    QString ItemNumber;
    QString Objective1, Objective2, Objective3, Objective4, Objective5;
    bool HasChildren = false;

    bool operator==(const LessonInfoRecord&) const = default;
};

// Reads the node `treeID` of the open course database `db` into `info`; a node that does not exist
// leaves `info` untouched. A Null HasChildren, ParentID or Title is the runtime's error.
void GetLessonInfo(rt::Database& db, qint32 treeID, LessonInfoRecord& info);

// The TreeID of the node's parent; -999 for a root or a node that does not exist.
qint32 GetParentLessonID(rt::Database& db, qint32 treeID);
