#include "pdf_viewer.h"

#include "pdf_load.h"
#include "pdf_printing.h"
#include "runtime/ui/session_printer.h"

#include <QPdfPageNavigator>
#include <QPdfView>
#include <algorithm>

namespace rt {

PdfViewer::PdfViewer(QWidget* owner) : QMainWindow(owner), view_(new QPdfView(this)) {
    view_->setDocument(&document_);
    view_->setPageMode(QPdfView::PageMode::MultiPage);
    view_->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    setCentralWidget(view_);
    resize(800, 1000);
}

void PdfViewer::show() {
    if (isMinimized()) showNormal();
    QMainWindow::show();
    raise();
    activateWindow();
}

void PdfViewer::exit() {
    close();
    document_.close();
    path_.clear();
    title_.clear();
}

void PdfViewer::open(const QString& path, const QString& title) {
    path_.clear();
    title_.clear();
    loadPdf(document_, path);
    path_ = path;
    title_ = title;
    setWindowTitle(title);
}

void PdfViewer::goTo(int page0) {
    const int page = std::clamp(page0, 0, std::max(document_.pageCount() - 1, 0));
    view_->pageNavigator()->jump(page, {}, 0);
}

// The printed copy reads the file again, so the view's own rendering is left alone.
void PdfViewer::printPagesSilent(int first0, int last0, int, bool, bool shrinkToFit) {
    printPdfPages(path_, title_, first0, last0, shrinkToFit, sessionPrinter());
}

} // namespace rt
