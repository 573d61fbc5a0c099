#pragma once

#include "runtime/printers.h"

namespace rt {

// The printers of the print system (CUPS); the session printer is sessionPrinter(). The PDF folder of
// LARKSPAN_PRINT_TO_PDF counts as one installed printer, the default.
class QtPrinters : public Printers {
public:
    int installedCount() const override;
    bool hasDefault() const override;
    QPrinter& printer() override;
};

} // namespace rt
