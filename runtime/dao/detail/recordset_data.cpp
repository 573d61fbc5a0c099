#include "recordset_data.h"

#include <QStringList>

namespace rt::detail {

const QString& RecordsetData::writeSql(const std::vector<char>& changed, bool insert) {
    QString& sql = writes_[{changed, insert}];
    if (!sql.isEmpty()) return sql;
    QStringList columns, marks;
    for (size_t i = 0; i < changed.size(); ++i)
        if (changed[i]) {
            columns << target->columns[i];
            marks << QStringLiteral("?%1").arg(columns.size());
        }
    if (insert) {
        sql = columns.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(target->table)
                                : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                      .arg(target->table, columns.join(QStringLiteral(", ")),
                                           marks.join(QStringLiteral(", ")));
    } else {
        for (qsizetype i = 0; i < columns.size(); ++i) columns[i] += QStringLiteral(" = ") + marks[i];
        sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?%4")
                  .arg(target->table, columns.join(QStringLiteral(", ")), target->key)
                  .arg(columns.size() + 1);
    }
    return sql;
}

} // namespace rt::detail
