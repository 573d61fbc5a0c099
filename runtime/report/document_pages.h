#pragma once

class QPagedPaintDevice;
class QTextDocument;

namespace rt {

// Prints a report's document over as many pages as it needs, each numbered at its foot. The sections
// that the report writer marked are kept off a page break: one that fits on a page starts the next
// page when it would run over, and a longer one never leaves its headings alone at a page's foot.
void printDocumentPages(const QTextDocument& document, QPagedPaintDevice& device);

} // namespace rt
