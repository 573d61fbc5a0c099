#pragma once

class QPrinter;

namespace rt {

// The printer chosen in the printer dialog for this run (the default printer until one is chosen),
// used by the report engine and the PDF printing.
QPrinter& sessionPrinter();

} // namespace rt
