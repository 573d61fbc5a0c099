#pragma once

#include <QString>

class QPdfDocument;

namespace rt {

// Loads the file into the document; error 53 when it is not there, 75 when it cannot be read as a
// PDF, with QPdfDocument's reason as the description.
void loadPdf(QPdfDocument& doc, const QString& path);

} // namespace rt
