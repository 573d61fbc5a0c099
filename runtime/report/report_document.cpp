#include "report_document.h"

#include "layouts.h"
#include "report_data.h"
#include "report_file.h"
#include "report_writer.h"

namespace rt {

Report buildReport(const ReportJob& job) {
    const ReportFile file = readReportFile(job.reportFile);
    ReportData data(job.dataFiles, parseSelectionFormula(job.formula));
    auto document = std::make_unique<QTextDocument>();
    document->setMetaInformation(QTextDocument::DocumentTitle, job.title);
    ReportWriter out(*document);
    if (file.layout == QLatin1String("lessonplan"))
        layOutLessonPlans(out, data, file);
    else if (file.layout == QLatin1String("week"))
        layOutWeek(out, data, file);
    else if (file.layout == QLatin1String("month"))
        layOutMonth(out, data, file);
    else
        layOutObjectives(out, data, file);
    // Seven days side by side need the page's width.
    return {std::move(document),
            file.layout == QLatin1String("month") ? QPageLayout::Landscape : QPageLayout::Portrait};
}

} // namespace rt
