#pragma once

#include "planner/data/course_database.h"
#include "runtime/dao/recordset.h"
#include "runtime/value/date.h"

#include <QStringList>

// The rows of a select on the course database, each as its fields joined by "|" (Null as "Null",
// dates as yyyy-MM-dd), for comparing what a procedure stored.
inline QStringList QueryRows(const QString& sql) {
    QStringList out;
    rt::Recordset rs = CourseDB.openSql(sql);
    while (!rs.eof()) {
        QStringList fields;
        for (int i = 0; i < rs.fieldCount(); ++i) {
            const rt::Value v = rs.field(i);
            fields << (v.isNull()                      ? QStringLiteral("Null")
                       : v.type() == rt::VarType::Date ? rt::dateFromDays(v.toDate()).toString(Qt::ISODate)
                                                       : v.toString());
        }
        out << fields.join(u'|');
        rs.moveNext();
    }
    return out;
}
