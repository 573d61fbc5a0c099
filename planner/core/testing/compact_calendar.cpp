#include "compact_calendar.h"

#include "planner/core/school_days.h"
#include "planner/data/course_database.h"
#include "planner/data/lesson_plans.h"
#include "planner/data/testing/query_rows.h"
#include "runtime/value/date.h"

namespace {

QStringList daysOf(const QString& calendar) {
    QStringList days = calendar.split(u' ', Qt::SkipEmptyParts);
    days.removeAll("|");
    return days;
}

} // namespace

qint32 schoolDate(int index) {
    return rt::daysFromDate(QDate(2027, 3, 1)) + 7 * (index / 5) + index % 5;
}

void writeCalendar(const QString& calendar) {
    QList<qint32> excluded;
    const QStringList days = daysOf(calendar);
    for (int i = 0; i < days.size(); ++i) {
        QString token = days[i];
        if (token.startsWith(u'[')) {
            excluded << schoolDate(i);
            token = token.mid(1, token.size() - 2);
        }
        if (token == "#") {
            AddSpecialDay(schoolDate(i), "Holiday", "");
        } else if (token != ".") {
            for (const QChar title : token) {
                LessonPlanRecord rec;
                rec.TreeID = -1;
                rec.LPDate = schoolDate(i);
                rec.Title = QString(title);
                AddLessonPlan(rec);
            }
        }
    }
    BlockedDays = excluded.isEmpty() ? QList<qint32>{0} : excluded;
}

QString readCalendar(const QString& like, const PlanToken& token) {
    QStringList out;
    int plans = 0;
    const qsizetype count = daysOf(like).size();
    for (int i = 0; i < count; ++i) {
        if (i > 0 && i % 5 == 0) out << "|";
        QString day;
        for (const QString& row :
             QueryRows("SELECT blocked, LessonPlanID, TreeID, Title FROM LessonPlans "
                       "WHERE LPDate = '" +
                       rt::dateFromDays(schoolDate(i)).toString(Qt::ISODate) + "' ORDER BY LessonPlanID")) {
            const QStringList f = row.split(u'|');
            const StoredPlan plan{f[1].toInt(), f[2].toInt(), f.mid(3).join(u'|')};
            day += f[0] == "True" ? QStringLiteral("#") : token ? token(plan) : plan.Title;
            ++plans;
        }
        if (day.isEmpty()) day = ".";
        out << (IsBlockedDay(schoolDate(i)) ? '[' + day + ']' : day);
    }
    if (QueryRows("SELECT COUNT(*) FROM LessonPlans") != QStringList{QString::number(plans)})
        out << "(plans elsewhere)";
    return out.join(u' ');
}

QString normalized(const QString& calendar) {
    return calendar.split(u' ', Qt::SkipEmptyParts).join(u' ');
}

QStringList doubledDates() {
    return QueryRows("SELECT LPDate FROM LessonPlans GROUP BY LPDate HAVING COUNT(*) > 1");
}

void EmptyClassFixture::SetUp() {
    CourseFixture::SetUp();
    attach("sample1.lkc");
    CourseDB.execute("DELETE FROM LessonResources");
    CourseDB.execute("DELETE FROM LessonPlans");
}

void EmptyClassFixture::TearDown() {
    ResetSchoolDaysState();
    CourseFixture::TearDown();
}
