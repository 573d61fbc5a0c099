#include "presentation.h"

#include "planner.h"
#include "planner/data/course_database.h"
#include "shared/course_settings.h"
#include "shared/file_name.h"
#include "shared/lesson_text.h"
#include "shared/null_text.h"

namespace {

const QString LB = QStringLiteral("\r\n");

// The two series of courses with fixed texts, known by their exact identifiers.
enum class Series { First, Second, Other };

Series courseSeries() {
    const QString& uci = CourseSettings.UCI;
    for (const char* key : {"KTN1", "KTN2", "KTN3"})
        if (uci == QLatin1String(key)) return Series::First;
    for (const char* key : {"RV09", "RV10", "RV11", "RV12"})
        if (uci == QLatin1String(key)) return Series::Second;
    return Series::Other;
}

enum class View { Day, Week, Month };

QString formatViewItem(const LessonPlanRecord& rec, View view) {
    if (rec.TreeID == -999) return {};
    const QString title = textOrEmpty(rec.Title);
    if (rec.TreeID == -666) return view == View::Month ? " " + title : title;
    LessonInfoRecord node, parent;
    GetLessonInfo(CourseDB, rec.TreeID, node);
    GetLessonInfo(CourseDB, GetParentLessonID(CourseDB, rec.TreeID), parent);
    switch (courseSeries()) {
    case Series::First: return parent.ItemNumber + "-" + node.ItemNumber + " " + title;
    case Series::Second:
        return view == View::Month ? " " + title + ": " + parent.Title : parent.Title + LB + title;
    case Series::Other: break;
    }
    switch (view) {
    case View::Day: return FormatItemText(rec, CourseSettings.StyleDayView);
    case View::Week: return FormatItemText(rec, CourseSettings.StyleWeekCells);
    case View::Month: break;
    }
    return FormatItemText(rec, CourseSettings.StyleMonthCells);
}

} // namespace

QString FormatItemText(const LessonPlanRecord& rec, qint16 code) {
    LessonInfoRecord parent, grandparent;
    if (rec.TreeID != -999) {
        GetLessonInfo(CourseDB, GetParentLessonID(CourseDB, rec.TreeID), parent);
        GetLessonInfo(CourseDB, GetParentLessonID(CourseDB, parent.TreeID), grandparent);
    }
    const LessonTextParts parts{rec.ItemNumber,
                                textOrEmpty(rec.Title),
                                parent.ItemNumber,
                                parent.Title,
                                grandparent.ItemNumber,
                                grandparent.Title,
                                FileNameFromPath(ClassFilePath)};
    return ComposeLessonText(parts, code, LessonTextUse::ItemText);
}

QString FormatDayViewItem(const LessonPlanRecord& rec) {
    return formatViewItem(rec, View::Day);
}

QString FormatWeekCellItem(const LessonPlanRecord& rec) {
    return formatViewItem(rec, View::Week);
}

QString FormatMonthCellItem(const LessonPlanRecord& rec) {
    return formatViewItem(rec, View::Month);
}

QString FormatTreeNodeText(qint32 treeID) {
    // The parent through the node's own ParentID, not through its saved query.
    LessonInfoRecord node, parent;
    GetLessonInfo(CourseDB, treeID, node);
    GetLessonInfo(CourseDB, node.ParentID, parent);
    switch (courseSeries()) {
    case Series::First: return parent.ItemNumber + "-" + node.ItemNumber + " " + node.Title;
    case Series::Second: return node.Title + ": " + parent.Title;
    case Series::Other: break;
    }
    return FormatNodeTitle(CourseDB, node, CourseSettings.StyleMakeLPSelectedItem, ClassFilePath);
}
