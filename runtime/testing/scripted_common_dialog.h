#pragma once

#include "../common_dialog.h"

#include <QList>
#include <deque>

namespace rt {

// Records each request and answers from a script; an empty script cancels.
class ScriptedCommonDialog : public CommonDialog {
public:
    struct Shown {
        enum Kind { Open, Save, Printer } kind;
        FileDialogRequest request; // for the printer: title and flags only
    };

    FileDialogResult showOpen(const FileDialogRequest& request) override {
        return next(Shown::Open, request);
    }
    FileDialogResult showSave(const FileDialogRequest& request) override {
        return next(Shown::Save, request);
    }
    PrinterSetup showPrinter(const QString& title, quint32 flags) override {
        FileDialogRequest r;
        r.title = title;
        r.flags = flags;
        shown.append({Shown::Printer, r});
        if (printerAnswers.empty()) return PrinterSetup::Cancelled;
        const PrinterSetup a = printerAnswers.front();
        printerAnswers.pop_front();
        return a;
    }

    // A chosen path; the file title is its last part.
    void choose(const QString& path) { files.push_back({false, path, path.section(u'/', -1)}); }
    void cancel() { files.push_back({}); }

    QList<Shown> shown;
    std::deque<FileDialogResult> files;
    std::deque<PrinterSetup> printerAnswers;

private:
    FileDialogResult next(Shown::Kind kind, const FileDialogRequest& request) {
        shown.append({kind, request});
        if (files.empty()) return {};
        const FileDialogResult r = files.front();
        files.pop_front();
        return r;
    }
};

} // namespace rt
