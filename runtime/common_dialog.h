#pragma once

#include <QString>

namespace rt {

// Flag bits of the open and save dialogs, as the programs pass them.
namespace cdl {
constexpr quint32 ReadOnly = 0x1, OverwritePrompt = 0x2, HideReadOnly = 0x4, ExtensionDifferent = 0x400,
                  PathMustExist = 0x800, FileMustExist = 0x1000, NoReadOnlyReturn = 0x8000,
                  Explorer = 0x80000, LongNames = 0x200000;
constexpr quint32 PrinterNoSelection = 0x4;
} // namespace cdl

struct FileDialogRequest {
    QString title, filter, defaultExt, initDir, fileName; // filter: "Desc|pattern|Desc|pattern"
    int filterIndex = 1;
    quint32 flags = 0;
    bool operator==(const FileDialogRequest&) const = default;
};

struct FileDialogResult {
    bool cancelled = true;
    QString path, fileTitle; // fileTitle: the chosen file's name without its folder
};

enum class PrinterSetup { Accepted, Cancelled, NoDefaultPrinter };

// The open, save and printer dialogs.
class CommonDialog {
public:
    virtual ~CommonDialog() = default;
    virtual FileDialogResult showOpen(const FileDialogRequest& request) = 0;
    virtual FileDialogResult showSave(const FileDialogRequest& request) = 0;
    virtual PrinterSetup showPrinter(const QString& title, quint32 flags) = 0;
};

// For callers that set cancel-raises-error: error 32755 on Cancel.
void throwIfCancelled(const FileDialogResult& result);
// For the printer dialog: 32755 on Cancel, 28663 when there is no default printer.
void throwIfNotAccepted(PrinterSetup setup);

} // namespace rt
