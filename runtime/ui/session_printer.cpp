#include "session_printer.h"

#include <QPrinter>

namespace rt {

QPrinter& sessionPrinter() {
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

} // namespace rt
