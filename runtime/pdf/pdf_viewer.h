#pragma once

#include "pdf_reader.h"

#include <QMainWindow>
#include <QPdfDocument>

class QPdfView;

namespace rt {

// The reader's one window: its document in a page view, printed on the session printer.
class PdfViewer : public QMainWindow, public PdfApp, private PdfDoc {
public:
    explicit PdfViewer(QWidget* owner = nullptr);

    void show() override;
    PdfDoc& activeDoc() override { return *this; }
    void exit() override;

private:
    void open(const QString& path, const QString& title) override;
    void goTo(int page0) override;
    void printPagesSilent(int first0, int last0, int psLevel, bool binary, bool shrinkToFit) override;

    QPdfDocument document_;
    QPdfView* view_;
    QString path_, title_;
};

} // namespace rt
