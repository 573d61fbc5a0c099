#pragma once

#include "pdf_reader.h"

#include <memory>

namespace rt {

class PdfViewer;

// The project's own viewer on QtPdf, one window reused by every creation.
class QtPdfReader : public PdfReader {
public:
    QtPdfReader();
    ~QtPdfReader() override;

    // 429 when the program has no windows to show it in.
    PdfApp& create() override;

private:
    std::unique_ptr<PdfViewer> viewer_;
};

} // namespace rt
