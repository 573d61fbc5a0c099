#pragma once

#include <QHash>
#include <QString>

namespace rt {

// A report file: our own text of "KEY|value" lines, one "LAYOUT" line naming the built-in layout
// ("lessonplan", "week", "month", "objectives") and the course's captions the layout prints. Keys
// compare without case; a key without a line gives an empty caption, which the layout leaves out.
struct ReportFile {
    QString layout;
    QHash<QString, QString> captions; // by upper-case key

    QString caption(const QString& key) const { return captions.value(key.toUpper()); }
};

// Reads the report file, found without regard to case; 20507 when it is not there, 20525 when it
// names no layout.
ReportFile readReportFile(const QString& path);

} // namespace rt
