#include "lesson_plans.h"

#include "course_database.h"
#include "runtime/dao/dao_errors.h"
#include "runtime/dao/recordset.h"
#include "runtime/error.h"
#include "runtime/value/date.h"
#include "saved_query.h"
#include "shared/course_settings.h"

#include <functional>

namespace {

// Only "0101" courses carry a lesson's item number into its plans.
bool usesItemNumbers() {
    return CourseSettings.DBVersion == QLatin1String("0101");
}

// The texts the programs read where a Null stands for nothing.
rt::Value textOrEmpty(const rt::Value& v) {
    return v.isNull() ? rt::Value(QString()) : rt::Value(v.toString());
}

void setObjectives(rt::Recordset& rs, const LessonPlanRecord& rec) {
    rs.setField("Objective1", rec.Objective1);
    rs.setField("Objective2", rec.Objective2);
    rs.setField("Objective3", rec.Objective3);
    rs.setField("Objective4", rec.Objective4);
    rs.setField("Objective5", rec.Objective5);
}

// Title and objectives as the row holds them, Nulls kept.
void readLessonTexts(const rt::Recordset& rs, LessonPlanRecord& rec) {
    rec.Objective1 = rs.field("Objective1");
    rec.Objective2 = rs.field("Objective2");
    rec.Objective3 = rs.field("Objective3");
    rec.Objective4 = rs.field("Objective4");
    rec.Objective5 = rs.field("Objective5");
    rec.Title = rs.field("Title");
}

} // namespace

void AddLessonPlan(const LessonPlanRecord& rec) {
    rt::Recordset rs = CourseDB.openTable("LessonPlans");
    rs.addNew();
    rs.setField("LPDate", rt::Value::date(rec.LPDate));
    rs.setField("Title", rec.Title);
    rs.setField("TreeID", rt::Value::longInt(rec.TreeID));
    setObjectives(rs, rec);
    rs.setField("blocked", rt::Value::boolean(rec.blocked));
    if (usesItemNumbers()) rs.setField("ItemNumber", rec.ItemNumber);
    rs.update();
    rs.close();
}

qint32 AddCourseLesson(qint32 treeID, qint32 date) {
    rt::Recordset lesson = SavedQuery("qAddBWLesson", rt::Value::real(double(treeID))).open();
    if (HasRow(lesson)) {
        LessonPlanRecord rec;
        readLessonTexts(lesson, rec);
        rec.TreeID = lesson.field("TreeID").toInt32();
        if (usesItemNumbers()) rec.ItemNumber = lesson.field("ItemNumber").toString();
        lesson.close();
        rt::Recordset rs = CourseDB.openTable("LessonPlans");
        rs.addNew();
        rs.setField("TreeID", rt::Value::longInt(rec.TreeID));
        rs.setField("LPDate", rt::Value::date(date));
        rs.setField("Title", rec.Title);
        rs.setField("blocked", rt::Value::boolean(false));
        setObjectives(rs, rec);
        if (usesItemNumbers()) rs.setField("ItemNumber", rec.ItemNumber);
        rs.update();
        rs.close();
    }
    return date;
}

void IsLessonScheduled(qint32 date, bool& scheduled, bool& blocked) {
    rt::Recordset rs = SavedQuery("qLessonScheduled", rt::Value::date(date)).open();
    scheduled = HasRow(rs);
    blocked = false;
    if (scheduled) {
        const rt::Value b = rs.field("blocked");
        blocked = !b.isNull() && b.toBool();
    }
    rs.close();
}

bool GetLessonPlanForDate(qint32 date, LessonPlanRecord& rec) {
    try {
        rt::Recordset rs = SavedQuery("qLoadLessonPlan", rt::Value::date(date)).open();
        if (!HasRow(rs)) return false;
        // A field missing from the row skips its step; any other failure ends the load.
        const auto step = [&](const std::function<void()>& f) {
            try {
                f();
            } catch (const rt::RuntimeError& e) {
                if (e.number != rt::dao_error::NotInCollection) throw;
            }
        };
        step([&] { rec.blocked = rs.field("blocked").toBool(); });
        step([&] { rec.LPDate = rs.field("LPDate").toDate(); });
        step([&] { rec.LessonPlanID = rs.field("LessonPlanID").toInt32(); });
        step([&] { rec.Objective1 = textOrEmpty(rs.field("Objective1")); });
        step([&] { rec.Objective2 = textOrEmpty(rs.field("Objective2")); });
        step([&] { rec.Objective3 = textOrEmpty(rs.field("Objective3")); });
        step([&] { rec.Objective4 = textOrEmpty(rs.field("Objective4")); });
        step([&] { rec.Objective5 = textOrEmpty(rs.field("Objective5")); });
        step([&] { rec.Title = textOrEmpty(rs.field("Title")); });
        step([&] { rec.TreeID = rs.field("TreeID").toInt32(); });
        step([&] {
            rec.ItemNumber = usesItemNumbers() ? textOrEmpty(rs.field("ItemNumber")).toString() : QString();
        });
        rs.close();
        return true;
    } catch (const rt::RuntimeError&) {
        return false;
    }
}

void AddSpecialDay(qint32 date, const QString& typeText, const QString& comment) {
    rt::Recordset rs = CourseDB.openTable("LessonPlans");
    rs.addNew();
    rs.setField("TreeID", rt::Value::longInt(-666));
    rs.setField("LPDate", rt::Value::date(date));
    rs.setField("Title", (typeText + u'-' + comment).left(150));
    rs.setField("blocked", rt::Value::boolean(true));
    rs.update();
    rs.close();
}

void UpdateLessonObjectives(const LessonPlanRecord& rec) {
    rt::Recordset rs = SavedQuery("qUpdateLessonObjectives", rt::Value::longInt(rec.LessonPlanID)).open();
    if (HasRow(rs)) {
        rs.edit();
        setObjectives(rs, rec);
        rs.update();
    }
    rs.close();
}

void DeleteLessonPlan(qint32 lessonPlanID) {
    SavedQuery("qDeleteLessonPlanResources", rt::Value::longInt(lessonPlanID)).execute();
    SavedQuery("qDeleteLessonPlan", rt::Value::longInt(lessonPlanID)).execute();
}

void GetCourseLessonInfo(LessonPlanRecord& rec) {
    rt::Recordset rs = SavedQuery("qGetBWLessonInfo", rt::Value::longInt(rec.TreeID)).open();
    if (HasRow(rs)) {
        readLessonTexts(rs, rec);
        rec.ItemNumber = rs.field("ItemNumber").toString();
    } else {
        rec.TreeID = -999;
    }
    rs.close();
}

void MoveLessonPlan(const LessonPlanRecord& rec, qint32 newDate) {
    rt::Recordset rs = CourseDB.openSql("SELECT * FROM LessonPlans WHERE LPDate=#" +
                                        rt::dateFromDays(rec.LPDate).toString(u"yyyy-MM-dd") + u'#');
    if (HasRow(rs)) {
        rs.edit();
        rs.setField("LPDate", rt::Value::date(newDate));
        rs.update();
    }
    rs.close();
}
