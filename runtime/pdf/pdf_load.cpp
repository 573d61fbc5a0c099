#include "pdf_load.h"

#include "runtime/error.h"

#include <QPdfDocument>

namespace rt {

namespace {

QString reason(QPdfDocument::Error error) {
    switch (error) {
    case QPdfDocument::Error::FileNotFound: return QStringLiteral("File not found");
    case QPdfDocument::Error::InvalidFileFormat: return QStringLiteral("Invalid file format");
    case QPdfDocument::Error::IncorrectPassword: return QStringLiteral("Incorrect password");
    case QPdfDocument::Error::UnsupportedSecurityScheme: return QStringLiteral("Unsupported security scheme");
    case QPdfDocument::Error::DataNotYetAvailable: return QStringLiteral("Data not yet available");
    default: return QStringLiteral("Unknown error");
    }
}

} // namespace

void loadPdf(QPdfDocument& doc, const QString& path) {
    const QPdfDocument::Error error = doc.load(path);
    if (error == QPdfDocument::Error::None) return;
    throw RuntimeError(error == QPdfDocument::Error::FileNotFound ? 53 : 75,
                       QStringLiteral("%1: %2").arg(reason(error), path));
}

} // namespace rt
