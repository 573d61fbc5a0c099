#include "report_document.h"

#include "document_pages.h"
#include "layouts.h"
#include "report_data.h"
#include "report_file.h"
#include "report_writer.h"

#include <QFileInfo>

namespace rt {

void Report::print(QPagedPaintDevice& device) const {
    if (sheet)
        drawSheet(*sheet, device);
    else
        printDocumentPages(*document, device);
}

Report buildReport(const ReportJob& job) {
    const ReportFile file = readReportFile(job.reportFile);
    ReportData data(job.dataFiles, parseSelectionFormula(job.formula));
    Report report;
    // The window title is the job's and stays set from job to job; the document is named by its report.
    report.title = file.caption(QStringLiteral("HEADING"));
    if (report.title.isEmpty()) report.title = QFileInfo(job.reportFile).completeBaseName();
    if (file.layout == QLatin1String("week")) {
        report.sheet = layOutWeek(data, file);
    } else if (file.layout == QLatin1String("month")) {
        report.sheet = layOutMonth(data, file);
        // Seven days side by side need the page's width.
        report.orientation = QPageLayout::Landscape;
    } else {
        report.document = std::make_unique<QTextDocument>();
        report.document->setMetaInformation(QTextDocument::DocumentTitle, report.title);
        ReportWriter out(*report.document);
        if (file.layout == QLatin1String("lessonplan"))
            layOutLessonPlans(out, data, file);
        else
            layOutObjectives(out, data, file);
    }
    return report;
}

} // namespace rt
