#pragma once

#include <QString>
#include <limits>

namespace rt {

// A last page that stands for the end of any document.
constexpr int lastPage = std::numeric_limits<int>::max();

// The document of the reader. Pages are counted from 0.
class PdfDoc {
public:
    virtual ~PdfDoc() = default;
    // Loads the document and titles the reader with `title`; a file that cannot be loaded is an error.
    virtual void open(const QString& path, const QString& title) = 0;
    // Shows the page; a page before the first shows the first, one past the end the last.
    virtual void goTo(int page0) = 0;
    // Prints the pages without a dialog on the session printer and returns when the job is handed to
    // it; a first page below 0 is the first, a last page past the end the last. The PostScript level
    // and the binary flag have no meaning for our printing; shrink to fit scales larger pages down.
    virtual void printPagesSilent(int first0, int last0, int psLevel, bool binary, bool shrinkToFit) = 0;
};

// The reader application, holding one active document.
class PdfApp {
public:
    virtual ~PdfApp() = default;
    virtual void show() = 0;
    virtual PdfDoc& activeDoc() = 0;
    virtual void exit() = 0;
};

class PdfReader {
public:
    virtual ~PdfReader() = default;
    // The reader application; error 429 when it cannot be created.
    virtual PdfApp& create() = 0;
};

// Prints the whole document without a dialog and closes the reader, for documents that are not page
// ranges of a shared file.
inline void printWholeDocument(PdfReader& reader, const QString& path, const QString& title) {
    PdfApp& app = reader.create();
    PdfDoc& doc = app.activeDoc();
    doc.open(path, title);
    doc.printPagesSilent(0, lastPage, 1, true, true);
    app.exit();
}

} // namespace rt
