#pragma once

#include "runtime/value/value.h"

#include <QString>

// One lesson plan in memory. LessonPlanID -999: no plan is stored for the date; TreeID -999: no course
// lesson, -666: a special (blocked) day. Title and the objectives may be Null.
struct LessonPlanRecord {
    qint32 LessonPlanID = 0;
    qint32 TreeID = 0;
    qint32 LPDate = 0;
    rt::Value Title = QString();
    QString ItemNumber;
    bool blocked = false;
    rt::Value Objective1 = QString(), Objective2 = QString(), Objective3 = QString(), Objective4 = QString(),
              Objective5 = QString();

    bool operator==(const LessonPlanRecord&) const = default;
};

// One resource of a lesson plan or of the course library. Course resources have positive ids, a
// teacher's own resources zero or negative ones.
struct ResourceRecord {
    qint32 ResourceID = 0;
    qint32 TreeID = 0;
    QString Title;
    qint16 Duration = 0;
    bool PlanItem = false;
    qint32 TypeID = 0;
    qint16 SortOrder = 0;
    QString Descript;
    bool Header = false;
    QString PDFFile;
    QString PDFSpanish;
    qint16 pdfpagestart = 0;
    qint16 pdfpageend = 0;

    bool operator==(const ResourceRecord&) const = default;
};
