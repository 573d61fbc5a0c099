#include "report_file.h"

#include "report_engine.h"
#include "runtime/error.h"
#include "runtime/shell/file_lookup.h"
#include "runtime/text_file.h"

#include <QFileInfo>

namespace rt {

namespace {

const QStringList layouts = {QStringLiteral("lessonplan"), QStringLiteral("week"), QStringLiteral("month"),
                             QStringLiteral("objectives")};

} // namespace

ReportFile readReportFile(const QString& path) {
    const QString found = lookUpPath(path);
    if (path.isEmpty() || !QFileInfo(found).isFile())
        throw RuntimeError(report_error::BadFileName, QStringLiteral("Invalid file name: '%1'.").arg(path));
    ReportFile file;
    for (const QString& line : readTextLines(found)) {
        const qsizetype bar = line.indexOf(u'|');
        if (bar < 0) continue;
        file.captions.insert(line.left(bar).trimmed().toUpper(), line.mid(bar + 1));
    }
    file.layout = file.captions.take(QStringLiteral("LAYOUT")).trimmed().toLower();
    if (!layouts.contains(file.layout))
        throw RuntimeError(report_error::CannotLoadReport,
                           QStringLiteral("Unable to load report: '%1' names no layout.").arg(path));
    return file;
}

} // namespace rt
