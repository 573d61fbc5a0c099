#include "session_printer.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>

namespace rt {

QPrinter& sessionPrinter() {
    static QPrinter printer(QPrinter::HighResolution);
    const QString folder = printToPdfFolder();
    if (!folder.isEmpty()) printToNextNumberedFile(printer, folder);
    return printer;
}

QString printToPdfFolder() {
    return qEnvironmentVariable("LARKSPAN_PRINT_TO_PDF");
}

void printToNextNumberedFile(QPrinter& printer, const QString& folder) {
    QDir().mkpath(folder);
    QString file;
    for (int n = 1;; ++n) {
        file = QDir(folder).filePath(QStringLiteral("job-%1.pdf").arg(n, 3, 10, QLatin1Char('0')));
        if (!QFileInfo::exists(file)) break;
    }
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
}

} // namespace rt
