#include "session_printer.h"

#include <QPrinter>

namespace rt {

namespace {

struct SessionPrinter : QPrinter {
    SessionPrinter() : QPrinter(QPrinter::HighResolution) {
        const QString file = qEnvironmentVariable("LARKSPAN_PRINT_TO_PDF");
        if (file.isEmpty()) return;
        setOutputFormat(QPrinter::PdfFormat);
        setOutputFileName(file);
    }
};

} // namespace

QPrinter& sessionPrinter() {
    static SessionPrinter printer;
    return printer;
}

} // namespace rt
