#include "report_data.h"

#include "report_engine.h"
#include "runtime/dao/engine.h"
#include "runtime/error.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace rt {

Selection parseSelectionFormula(const QString& formula) {
    if (formula.trimmed().isEmpty()) return {};
    static const QRegularExpression form(QStringLiteral(R"(^\s*\{(\w+)\.(\w+)\}\s*=\s*(-?\d{1,18})\s*$)"));
    const QRegularExpressionMatch m = form.match(formula);
    if (!m.hasMatch())
        throw RuntimeError(report_error::BadFormula, QStringLiteral("Error in formula: '%1'.").arg(formula));
    return {false, m.captured(1), m.captured(2), m.captured(3).toLongLong()};
}

ReportData::ReportData(const std::array<QString, 5>& files, const Selection& selection)
    : files_(files), selection_(selection) {}

void ReportData::selectOn(int index, const QString& mainTable) {
    mainIndex_ = index;
    mainTable_ = mainTable;
    if (selection_.all) return;
    const RuntimeError bad(
        report_error::BadFormula,
        QStringLiteral("Error in formula: {%1.%2}.").arg(selection_.table, selection_.field));
    if (selection_.table.compare(mainTable, Qt::CaseInsensitive) != 0) throw bad;
    const Recordset fields = rows(index, mainTable, QStringLiteral("0"));
    for (int i = 0; i < fields.fieldCount(); ++i)
        if (fields.fieldName(i).compare(selection_.field, Qt::CaseInsensitive) == 0) return;
    throw bad;
}

Recordset ReportData::selectedRows(const QString& condition, const QString& order) {
    if (selection_.all) return rows(mainIndex_, mainTable_, condition, order);
    const QString selected = QStringLiteral("%1 = %2").arg(selection_.field).arg(selection_.value);
    return rows(mainIndex_, mainTable_,
                condition.isEmpty() ? selected : QStringLiteral("(%1) AND %2").arg(condition, selected),
                order);
}

Recordset ReportData::rows(int index, const QString& table, const QString& condition, const QString& order) {
    QString sql = QStringLiteral("SELECT * FROM ") + table;
    if (!condition.isEmpty()) sql += QStringLiteral(" WHERE ") + condition;
    if (!order.isEmpty()) sql += QStringLiteral(" ORDER BY ") + order;
    Database& db = database(index);
    try {
        return db.openSql(sql, RecordsetType::Snapshot);
    } catch (const RuntimeError& e) {
        throw RuntimeError(report_error::DataFileError,
                           QStringLiteral("Data file %1: %2").arg(index).arg(e.description));
    }
}

Database& ReportData::database(int index) {
    const QString& path = files_[size_t(index)];
    if (path.isEmpty() || !QFileInfo(path).isFile())
        throw RuntimeError(report_error::BadFileName,
                           QStringLiteral("Invalid file name: data file %1 '%2'.").arg(index).arg(path));
    auto it = open_.find(path);
    if (it != open_.end()) return it->second;
    try {
        Database db = DBEngine::instance().workspace().openDatabase(path, false, true);
        return open_.emplace(path, std::move(db)).first->second;
    } catch (const RuntimeError& e) {
        throw RuntimeError(report_error::DataFileError,
                           QStringLiteral("Data file %1: %2").arg(index).arg(e.description));
    }
}

QString fieldText(const Recordset& rows, QAnyStringView name) {
    const Value v = rows.field(name);
    return v.isNull() ? QString() : v.toString();
}

} // namespace rt
