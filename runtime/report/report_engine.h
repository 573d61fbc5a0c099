#pragma once

#include <QString>

namespace rt {

// The report control of a window: a report file naming its layout, up to five data files by index, a
// selection formula ("{Table.Field}=<integer>", or empty for every row) and a window title that names
// the job. start() prints; status() is 0 until the last start has finished.
class ReportEngine {
public:
    virtual ~ReportEngine() = default;
    virtual void setDataFile(int index, const QString& path) = 0;
    virtual void setReportFile(const QString& path) = 0;
    virtual void setWindowTitle(const QString& title) = 0;
    virtual void setSelectionFormula(const QString& formula) = 0;
    virtual void setDestination(int destination) = 0;
    virtual void start() = 0;
    virtual int status() const = 0;
};

// Where a report goes: a preview window, the session printer (what the programs choose), a PDF file.
namespace report_destination {
constexpr int Window = 0, Printer = 1, File = 2;
}

// The engine's error numbers.
namespace report_error {
constexpr int BadFileName = 20507;      // a report or data file that is not there
constexpr int BadFormula = 20515;       // a selection formula of another form, table or field
constexpr int StillPrinting = 20520;    // a report is still being printed
constexpr int CannotLoadReport = 20525; // a report file that names no layout
constexpr int DataFileError = 20532;    // a data file that cannot be read as the layout needs
constexpr int PrinterError = 20541;     // the printer or the PDF file could not be written
constexpr int Cancelled = 20545;        // the user cancelled the job
} // namespace report_error

} // namespace rt
