#include "qt_pdf_reader.h"

#include "pdf_viewer.h"
#include "runtime/error.h"

#include <QApplication>

namespace rt {

QtPdfReader::QtPdfReader() = default;

QtPdfReader::~QtPdfReader() {
    delete viewer_;
}

PdfApp& QtPdfReader::create() {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) throw RuntimeError(429);
    if (!viewer_) viewer_ = new PdfViewer(owner_);
    return *viewer_;
}

} // namespace rt
