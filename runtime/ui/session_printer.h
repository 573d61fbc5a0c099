#pragma once

#include <QString>

class QPrinter;

namespace rt {

// The printer chosen in the printer dialog for this run (the default printer until one is chosen),
// used by the report engine and the PDF printing; asked for once per job. For checks on machines
// without printer queues the environment variable LARKSPAN_PRINT_TO_PDF names a folder instead: each
// job is written to the next numbered file there ("job-001.pdf", "job-002.pdf", ...).
QPrinter& sessionPrinter();

// The folder that LARKSPAN_PRINT_TO_PDF names; empty when jobs go to the printers.
QString printToPdfFolder();

// Makes the printer write its next job as PDF to the first "job-NNN.pdf" not yet in the folder.
void printToNextNumberedFile(QPrinter& printer, const QString& folder);

} // namespace rt
