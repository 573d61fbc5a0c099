#include "saved_query.h"

#include "course_database.h"

rt::QueryDef SavedQuery(const QString& name, const rt::Value& parameter0) {
    rt::QueryDef q = CourseDB.queryDef(name);
    q.setParameter(0, parameter0);
    return q;
}
