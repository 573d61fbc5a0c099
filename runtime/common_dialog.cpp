#include "common_dialog.h"

#include "error.h"

namespace rt {

void throwIfCancelled(const FileDialogResult& result) {
    if (result.cancelled) throw RuntimeError(32755, QStringLiteral("Cancel was selected."));
}

void throwIfNotAccepted(PrinterSetup setup) {
    if (setup == PrinterSetup::Cancelled) throw RuntimeError(32755, QStringLiteral("Cancel was selected."));
    if (setup == PrinterSetup::NoDefaultPrinter)
        throw RuntimeError(28663, QStringLiteral("No default printer selected."));
}

} // namespace rt
