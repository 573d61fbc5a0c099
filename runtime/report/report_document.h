#pragma once

#include <QPageLayout>
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

// A report ready to print: one document, on pages of its layout's orientation (the month is landscape).
struct Report {
    std::unique_ptr<QTextDocument> document;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
};

// The report laid out by the layout that its report file names from the data files, titled with the
// job's title. The engine's errors: 20507 for a missing file, 20515 for a bad formula, 20525 for a
// report file without a layout, 20532 for data that cannot be read.
Report buildReport(const ReportJob& job);

} // namespace rt
