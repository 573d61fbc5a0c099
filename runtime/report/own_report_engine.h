#pragma once

#include "report_document.h"
#include "report_engine.h"

#include <memory>

class QPrinter;
class QPrintPreviewDialog;

namespace rt {

class Printers;

// The report engine on our own layouts: start() builds the report's document and prints it before it
// returns, to the session printer, into a preview window or into a PDF file. The printed document is
// named by its report, the preview window by the window title. Its settings stay from one start to the
// next.
class OwnReportEngine : public ReportEngine {
public:
    explicit OwnReportEngine(Printers& printers);
    ~OwnReportEngine() override;

    void setDataFile(int index, const QString& path) override; // 0 to 4; error 9 for any other index
    void setReportFile(const QString& path) override { job_.reportFile = path; }
    void setWindowTitle(const QString& title) override { job_.title = title; }
    void setSelectionFormula(const QString& formula) override { job_.formula = formula; }
    void setDestination(int destination) override; // report_destination; error 380 for any other
    void start() override;
    int status() const override { return status_; }

    // The PDF file of the File destination.
    void setPrintFileName(const QString& path) { printFileName_ = path; }
    // The window of the last report sent to the Window destination; null when there is none.
    QPrintPreviewDialog* previewWindow() const { return preview_.get(); }

private:
    void print(const Report& report);
    void writePdf(const Report& report);
    void showPreview(Report report);

    Printers& printers_;
    ReportJob job_;
    int destination_ = report_destination::Printer;
    QString printFileName_;
    int status_ = 0;
    std::unique_ptr<QPrinter> previewPrinter_;
    std::unique_ptr<Report> previewReport_;
    std::unique_ptr<QPrintPreviewDialog> preview_;
};

} // namespace rt
