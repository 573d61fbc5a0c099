#pragma once

#include <QString>

class QPrinter;

namespace rt {

// Prints pages first0 to last0 (from 0) of the PDF file on the printer, without a dialog: each page
// rendered as an image into the printer's page rectangle, centred, shrunk to fit when asked, the job
// named `title`. A first page below 0 is the first, a last page past the end the last; error 5 when
// no page is left, 482 when the printer cannot start, the load errors of loadPdf.
void printPdfPages(const QString& path, const QString& title, int first0, int last0, bool shrinkToFit,
                   QPrinter& printer);

} // namespace rt
