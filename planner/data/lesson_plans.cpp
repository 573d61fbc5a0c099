#include "lesson_plans.h"

#include "course_database.h"
#include "runtime/dao/dao_errors.h"
#include "runtime/dao/querydef.h"
#include "runtime/dao/recordset.h"
#include "runtime/error.h"
#include "shared/course_settings.h"

#include <functional>

namespace {

// The texts the programs read where a Null stands for nothing.
rt::Value textOrEmpty(const rt::Value& v) {
    return v.isNull() ? rt::Value(QString()) : rt::Value(v.toString());
}

} // namespace

bool GetLessonPlanForDate(qint32 date, LessonPlanRecord& rec) {
    try {
        rt::QueryDef q = CourseDB.queryDef("qLoadLessonPlan");
        q.setParameter(0, rt::Value::date(date));
        rt::Recordset rs = q.open();
        if (rs.eof() || rs.bof()) return false;
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
            rec.ItemNumber = CourseSettings.DBVersion == QLatin1String("0101")
                                 ? textOrEmpty(rs.field("ItemNumber")).toString()
                                 : QString();
        });
        rs.close();
        return true;
    } catch (const rt::RuntimeError&) {
        return false;
    }
}
