#include "own_report_engine.h"

#include "runtime/error.h"
#include "runtime/printers.h"

#include <QFileInfo>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace rt {

namespace {

// Each job sets the pages up for its own report, whatever the job before it left.
void setUpPages(QPagedPaintDevice& device, const Report& report) {
    device.setPageOrientation(report.orientation);
    device.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

} // namespace

OwnReportEngine::OwnReportEngine(Printers& printers) : printers_(printers) {}

OwnReportEngine::~OwnReportEngine() = default;

void OwnReportEngine::setDataFile(int index, const QString& path) {
    if (index < 0 || index >= int(job_.dataFiles.size()))
        throw RuntimeError(9, QStringLiteral("Subscript out of range"));
    job_.dataFiles[size_t(index)] = path;
}

void OwnReportEngine::setDestination(int destination) {
    if (destination < report_destination::Window || destination > report_destination::File)
        throw RuntimeError(380, QStringLiteral("Invalid property value"));
    destination_ = destination;
}

void OwnReportEngine::start() {
    status_ = 0;
    Report report = buildReport(job_);
    switch (destination_) {
    case report_destination::Window: showPreview(std::move(report)); break;
    case report_destination::File: writePdf(report); break;
    default: print(report);
    }
    status_ = 1;
}

void OwnReportEngine::print(const Report& report) {
    QPrinter& printer = printers_.printer();
    printer.setDocName(report.title);
    setUpPages(printer, report);
    report.print(printer);
    if (printer.printerState() == QPrinter::Error)
        throw RuntimeError(report_error::PrinterError,
                           QStringLiteral("The report could not be sent to the printer."));
}

void OwnReportEngine::writePdf(const Report& report) {
    // The file is written anew, so a file left from an earlier job cannot pass for this one.
    QFile::remove(printFileName_);
    {
        QPdfWriter writer(printFileName_);
        writer.setTitle(report.title);
        setUpPages(writer, report);
        report.print(writer);
    }
    if (printFileName_.isEmpty() || QFileInfo(printFileName_).size() == 0)
        throw RuntimeError(report_error::PrinterError,
                           QStringLiteral("The report could not be written to '%1'.").arg(printFileName_));
}

void OwnReportEngine::showPreview(Report report) {
    preview_.reset();
    previewReport_ = std::make_unique<Report>(std::move(report));
    if (!previewPrinter_) previewPrinter_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    previewPrinter_->setDocName(previewReport_->title);
    setUpPages(*previewPrinter_, *previewReport_);
    preview_ = std::make_unique<QPrintPreviewDialog>(previewPrinter_.get());
    preview_->setWindowTitle(job_.title.isEmpty() ? previewReport_->title : job_.title);
    const Report* shown = previewReport_.get();
    QObject::connect(preview_.get(), &QPrintPreviewDialog::paintRequested, preview_.get(),
                     [shown](QPrinter* printer) { shown->print(*printer); });
    preview_->show();
}

} // namespace rt
