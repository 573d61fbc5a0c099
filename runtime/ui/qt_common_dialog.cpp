#include "qt_common_dialog.h"

#include "qt_printers.h"
#include "session_printer.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>

namespace rt {

QStringList qtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts[i + 1];
        pattern.replace(u';', u' ');
        filters << (parts[i].contains(u'(') ? parts[i] : parts[i] + " (" + pattern + ")");
    }
    return filters;
}

namespace {

FileDialogResult run(const FileDialogRequest& r, QFileDialog::AcceptMode mode) {
    for (;;) {
        QFileDialog dialog(QApplication::activeWindow(), r.title);
        dialog.setAcceptMode(mode);
        dialog.setFileMode(mode == QFileDialog::AcceptOpen && (r.flags & cdl::FileMustExist)
                               ? QFileDialog::ExistingFile
                               : QFileDialog::AnyFile);
        if (!(r.flags & cdl::OverwritePrompt)) dialog.setOption(QFileDialog::DontConfirmOverwrite);
        const QStringList filters = qtNameFilters(r.filter);
        if (!filters.isEmpty()) {
            dialog.setNameFilters(filters);
            dialog.selectNameFilter(filters.value(r.filterIndex - 1, filters.first()));
        }
        QString ext = r.defaultExt;
        if (ext.startsWith(u'.')) ext.remove(0, 1);
        if (!ext.isEmpty()) dialog.setDefaultSuffix(ext);
        if (!r.initDir.isEmpty()) dialog.setDirectory(r.initDir);
        if (!r.fileName.isEmpty()) dialog.selectFile(r.fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        const QString path = dialog.selectedFiles().first();
        // A read-only target is refused and the dialog shown again.
        if ((r.flags & cdl::NoReadOnlyReturn) && QFileInfo::exists(path) && !QFileInfo(path).isWritable())
            continue;
        return {false, path, QFileInfo(path).fileName()};
    }
}

} // namespace

FileDialogResult QtCommonDialog::showOpen(const FileDialogRequest& request) {
    return run(request, QFileDialog::AcceptOpen);
}

FileDialogResult QtCommonDialog::showSave(const FileDialogRequest& request) {
    return run(request, QFileDialog::AcceptSave);
}

PrinterSetup QtCommonDialog::showPrinter(const QString& title, quint32 flags) {
    if (!QtPrinters().hasDefault()) return PrinterSetup::NoDefaultPrinter;
    QPrintDialog dialog(&sessionPrinter(), QApplication::activeWindow());
    dialog.setWindowTitle(title);
    if (flags & cdl::PrinterNoSelection) dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted ? PrinterSetup::Accepted : PrinterSetup::Cancelled;
}

} // namespace rt
