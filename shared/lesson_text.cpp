#include "lesson_text.h"

#include "course_settings.h"
#include "file_name.h"

namespace {

const QString LB = QStringLiteral("\r\n");

// The code as text: a blank before a code that is zero or positive, its minus sign otherwise.
QString badCode(qint16 code) {
    return QStringLiteral("Bad formatting code:") + (code >= 0 ? QStringLiteral(" ") : QString()) +
           QString::number(code);
}

} // namespace

QString ComposeLessonText(const LessonTextParts& p, qint16 code, LessonTextUse use) {
    const CourseSettingsRecord& s = CourseSettings;
    const bool item = use == LessonTextUse::ItemText;
    switch (code) {
    case 0:
    case 1:
    case 7: return p.T;
    case 2:
    case 8: return p.N + " " + p.T;
    case 3: return p.PN + "-" + p.N + " " + p.T;
    case 4: return p.GN + "-" + p.PN + "-" + p.N + " " + p.T;
    case 5:
        if (item) return p.PN + "." + p.N + p.T;
        return p.hasChildren ? p.T : p.PN + "." + p.N + " " + p.T;
    case 6: return p.GN + "." + p.PN + "." + p.N + " " + p.T;
    case 9: return "- " + p.PN + "-" + p.N + " " + p.T;
    case 10: return "- " + p.GN + "-" + p.PN + "-" + p.N + " " + p.T;
    case 11: return " - " + p.PN + "." + p.N + " " + p.T;
    case 12: return " - " + p.GN + "." + p.PN + "." + p.N + " " + p.T;
    case 13: return LB + p.T;
    case 14: return LB + p.N + " " + p.T;
    case 15: return LB + p.PN + "-" + p.N + " " + p.T;
    case 16: return LB + p.GN + "-" + p.PN + "-" + p.N + " " + p.T;
    case 17: return LB + p.PN + "." + p.N + " " + p.T;
    case 18: return LB + p.GN + "." + p.PN + "." + p.N + " " + p.T;
    case 19: return p.PT + LB + p.T;
    case 20: return p.T + ":" + p.PT;
    case 21: return p.PT + ":" + p.T;
    case 22: return s.Grouping1 + " " + p.PN + LB + p.T;
    case 23: return s.Grouping2 + " " + p.PN + LB + p.T;
    case 24: return s.Grouping1 + " " + p.GN + ", " + s.Grouping2 + " " + p.PN + LB + p.T;
    case 25: return s.CompanyName + " - " + s.AppTitle + ": " + p.FN;
    case 26: return s.CompanyName + " - " + s.Subject + ": " + p.FN;
    case 27: return s.Grouping1 + " " + p.PN + " " + p.PT + LB + s.Grouping2 + " " + p.N + " " + p.T;
    case 28:
        return s.Grouping1 + " " + p.GN + " " + p.GT + LB + s.Grouping2 + " " + p.PN + " " + p.PT + LB +
               s.Grouping3 + " " + p.N + " " + p.T;
    default: break;
    }
    if (item) {
        switch (code) {
        case 29: return p.N + " - " + p.T;
        case 30: return " " + p.PT + ": " + p.T;
        case 31: return s.Grouping2 + " " + p.PN + " " + p.PT + LB + s.Grouping3 + " " + p.N + " " + p.T;
        case 32: return s.CompanyName + " " + s.AppTitle + " " + s.Subject + ": " + p.FN;
        default: break;
        }
    }
    return badCode(code);
}

QString FormatNodeTitle(rt::Database& db, const LessonInfoRecord& info, qint16 code,
                        const QString& classFile) {
    // Both ancestors are read whatever the code; a root's parent id (-999) finds no node.
    return ComposeNodeTitle(info, GetNodeAncestors(db, GetParentLessonID(db, info.TreeID)), code, classFile);
}

NodeAncestors GetNodeAncestors(rt::Database& db, qint32 parentID) {
    NodeAncestors a;
    GetLessonInfo(db, parentID, a.parent);
    GetLessonInfo(db, GetParentLessonID(db, a.parent.TreeID), a.grandparent);
    return a;
}

QString ComposeNodeTitle(const LessonInfoRecord& info, const NodeAncestors& a, qint16 code,
                         const QString& classFile) {
    const LessonTextParts parts{
        info.ItemNumber,          info.Title,          a.parent.ItemNumber,         a.parent.Title,
        a.grandparent.ItemNumber, a.grandparent.Title, FileNameFromPath(classFile), info.HasChildren};
    return ComposeLessonText(parts, code, LessonTextUse::NodeTitle);
}
