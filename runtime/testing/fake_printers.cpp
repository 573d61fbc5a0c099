#include "fake_printers.h"

#include "runtime/ui/session_printer.h"

#include <QDir>
#include <QPrinter>

namespace rt {

FakePrinters::FakePrinters() = default;
FakePrinters::~FakePrinters() = default;

QPrinter& FakePrinters::printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printToNextNumberedFile(*printer_, dir_.path());
    return *printer_;
}

QStringList FakePrinters::printedFiles() const {
    QStringList files;
    for (const QString& name :
         QDir(dir_.path()).entryList({QStringLiteral("job-*.pdf")}, QDir::Files, QDir::Name))
        files << QDir(dir_.path()).filePath(name);
    return files;
}

} // namespace rt
