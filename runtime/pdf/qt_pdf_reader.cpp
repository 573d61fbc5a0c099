#include "qt_pdf_reader.h"

#include "pdf_viewer.h"
#include "runtime/error.h"

#include <QApplication>

namespace rt {

QtPdfReader::QtPdfReader() = default;
QtPdfReader::~QtPdfReader() = default;

PdfApp& QtPdfReader::create() {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) throw RuntimeError(429);
    if (!viewer_) viewer_ = std::make_unique<PdfViewer>();
    return *viewer_;
}

} // namespace rt
