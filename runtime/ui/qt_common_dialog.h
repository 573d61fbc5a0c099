#pragma once

#include "../common_dialog.h"

#include <QStringList>

namespace rt {

// The open and save dialogs on QFileDialog, the printer dialog on QPrintDialog.
class QtCommonDialog : public CommonDialog {
public:
    FileDialogResult showOpen(const FileDialogRequest& request) override;
    FileDialogResult showSave(const FileDialogRequest& request) override;
    PrinterSetup showPrinter(const QString& title, quint32 flags) override;
};

// "Desc (*.x)|*.x|All (*.*)|*.*" as Qt's name filters, the pattern added where the text lacks it.
QStringList qtNameFilters(const QString& filter);

} // namespace rt
