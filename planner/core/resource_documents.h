#pragma once

#include "planner.h"

// A resource's PDF document shown or printed in English or Spanish, and the help documents opened. With
// CourseSettings.MultiPagePDF resources are page ranges of shared files, shown and printed in the PDF
// reader; otherwise each has a file of its own, opened through the desktop's association. Failures are
// told in message boxes; nothing is kept between calls.

// Shows the resource's document; asks for the language when the resource has a Spanish one.
void ViewResource(Planner& planner, const ResourceRecord& res);
// Prints the resource's document and returns once the job is with the printer.
void PrintResource(Planner& planner, const ResourceRecord& res);
// Opens a help document, given by its full path; a PDF for which the desktop has no program opens in
// the program's own reader.
void OpenDocument(Planner& planner, const QString& path);

// language: 1 English (PDFFile), 2 Spanish (PDFSpanish), 0 none (nothing is done). The reader stays
// open at the resource's first page.
void ShowPdfAtPage(Planner& planner, const ResourceRecord& res, qint16 language);
// Prints the resource's pages without a dialog, then closes the reader.
void PrintPdfPages(Planner& planner, const ResourceRecord& res, qint16 language);
