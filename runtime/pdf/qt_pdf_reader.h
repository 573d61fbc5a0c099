#pragma once

#include "pdf_reader.h"

#include <QPointer>

class QWidget;

namespace rt {

class PdfViewer;

// The project's own viewer on QtPdf, one window reused by every creation.
class QtPdfReader : public PdfReader {
public:
    QtPdfReader();
    ~QtPdfReader() override;

    // 429 when the program has no windows to show it in.
    PdfApp& create() override;
    // The window the viewer belongs to: it is drawn over it and stays above it.
    void setOwner(QWidget* owner) { owner_ = owner; }

private:
    QWidget* owner_ = nullptr;
    // The owner deletes the viewer when it goes first.
    QPointer<PdfViewer> viewer_;
};

} // namespace rt
