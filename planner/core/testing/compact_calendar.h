#pragma once

#include "planner/data/testing/course_fixture.h"

#include <QString>
#include <QStringList>
#include <functional>

// Lesson calendars written compactly, one token a weekday from Monday 1 March 2027, "|" between weeks
// for the eye: "." a free day, "#" a special day, a letter an ordinary plan titled so (two letters: two
// plans on the day, in the order stored), and a token in brackets an excluded day ("[X]": excluded,
// holding plan X).

// The date of the calendar's index-th weekday.
qint32 schoolDate(int index);

// Stores the calendar's plans and special days in the open class, and makes its excluded days
// BlockedDays.
void writeCalendar(const QString& calendar);

// A stored plan as a calendar shows it.
struct StoredPlan {
    qint32 LessonPlanID;
    qint32 TreeID;
    QString Title;
};
using PlanToken = std::function<QString(const StoredPlan&)>;

// The stored calendar over as many weekdays as `like` has, each ordinary plan shown by `token` (by
// default its title); "(plans elsewhere)" is added when weekends or later days hold plans.
QString readCalendar(const QString& like, const PlanToken& token = {});

// The calendar with single blanks between its tokens, as readCalendar writes it.
QString normalized(const QString& calendar);

// The dates that hold more than one plan.
QStringList doubledDates();

// A copy of the sample class emptied of plans, for a calendar to be written on; BlockedDays and
// LessonQueue are reset afterwards.
class EmptyClassFixture : public CourseFixture {
protected:
    void SetUp() override;
    void TearDown() override;
};
