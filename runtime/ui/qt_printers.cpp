#include "qt_printers.h"

#include "session_printer.h"

#include <QPrinterInfo>

namespace rt {

int QtPrinters::installedCount() const {
    return int(QPrinterInfo::availablePrinterNames().size()) + (printToPdfFolder().isEmpty() ? 0 : 1);
}

bool QtPrinters::hasDefault() const {
    return !printToPdfFolder().isEmpty() || !QPrinterInfo::defaultPrinter().isNull();
}

QPrinter& QtPrinters::printer() {
    return sessionPrinter();
}

} // namespace rt
