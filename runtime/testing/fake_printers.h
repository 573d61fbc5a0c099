#pragma once

#include "../printers.h"

#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace rt {

// Scripted printer count and default; the printer writes each job as PDF to the next numbered file in
// a temporary folder, made at the first job (so tests without a GUI application can hold one).
class FakePrinters : public Printers {
public:
    FakePrinters();
    ~FakePrinters() override;

    int installedCount() const override { return count; }
    bool hasDefault() const override { return defaultPrinter; }
    QPrinter& printer() override;

    // The files printed so far, in job order.
    QStringList printedFiles() const;

    int count = 1;
    bool defaultPrinter = true;

private:
    QTemporaryDir dir_;
    std::unique_ptr<QPrinter> printer_;
};

} // namespace rt
