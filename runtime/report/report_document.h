#pragma once

#include "calendar_sheet.h"

#include <QPageLayout>
#include <QString>
#include <QTextDocument>
#include <array>
#include <memory>
#include <optional>

class QPagedPaintDevice;

namespace rt {

// What one start of the engine prints.
struct ReportJob {
    QString reportFile;
    std::array<QString, 5> dataFiles;
    QString formula, title;
};

// A report ready to print: a document that runs over pages (lesson plans, objectives) or a sheet that
// fits one page (week, month), on pages of its layout's orientation (the month is landscape).
struct Report {
    std::unique_ptr<QTextDocument> document;
    std::optional<CalendarSheet> sheet;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    // The report's own name, which titles its printed document whatever the job's window title says.
    QString title;

    // Prints on the device as it is set up (page size, orientation, margins).
    void print(QPagedPaintDevice& device) const;
};

// The report laid out by the layout that its report file names from the data files. The engine's
// errors: 20507 for a missing file, 20515 for a bad formula, 20525 for a report file without a layout,
// 20532 for data that cannot be read.
Report buildReport(const ReportJob& job);

} // namespace rt
