#pragma once

class QPrinter;

namespace rt {

// The printer chosen in the printer dialog for this run (the default printer until one is chosen),
// used by the report engine and the PDF printing. For checks on machines without printer queues the
// environment variable LARKSPAN_PRINT_TO_PDF names a PDF file instead: every job is written into it,
// each replacing the one before.
QPrinter& sessionPrinter();

} // namespace rt
