#pragma once

#include <QString>
#include <QTextDocument>
#include <array>
#include <memory>

namespace rt {

// What one start of the engine prints.
struct ReportJob {
    QString reportFile;
    std::array<QString, 5> dataFiles;
    QString formula, title;
};

// The report as one document, laid out by the layout that its report file names from the data files,
// titled with the job's title. The engine's errors: 20507 for a missing file, 20515 for a bad formula,
// 20525 for a report file without a layout, 20532 for data that cannot be read.
std::unique_ptr<QTextDocument> buildReport(const ReportJob& job);

} // namespace rt
