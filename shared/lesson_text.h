#pragma once

#include "lesson_info.h"

#include <QString>

// What a lesson text is built from: the number and title of the thing formatted (N, T), of its parent
// (PN, PT) and of its grandparent (GN, GT) in the lesson tree, and the open class file's name (FN).
struct LessonTextParts {
    QString N, T, PN, PT, GN, GT, FN;
    // The node formatted has children (read by a node title's code 5 only).
    bool hasChildren = false;
};

// The two readings of the formatting codes: a tree node's title, and a lesson plan's text, which
// differ in code 5 and know codes 29 to 32.
enum class LessonTextUse { NodeTitle, ItemText };

// The text of formatting code `code`, with the grouping words and titles of CourseSettings; a code
// outside the table gives "Bad formatting code:" and the code.
QString ComposeLessonText(const LessonTextParts& parts, qint16 code, LessonTextUse use);

// The title of a node of the lesson tree by formatting code, with its parent and grandparent read from
// `db`. `classFile` is the open class file's path (empty where none is open).
QString FormatNodeTitle(rt::Database& db, const LessonInfoRecord& info, qint16 code,
                        const QString& classFile = QString());

// A node's parent and grandparent as its title reads them: the parent is the node `parentID` (-999 for
// none), the grandparent the parent's own parent. Callers that title many nodes of one parent read
// them once.
struct NodeAncestors {
    LessonInfoRecord parent, grandparent;
};
NodeAncestors GetNodeAncestors(rt::Database& db, qint32 parentID);
// FormatNodeTitle with the node's ancestors already read.
QString ComposeNodeTitle(const LessonInfoRecord& info, const NodeAncestors& ancestors, qint16 code,
                         const QString& classFile);
