#pragma once

#include "../error.h"
#include "../pdf/pdf_reader.h"

#include <QStringList>

namespace rt {

// Logs every call with its arguments, as "open(/cd/a.pdf, Title)", and throws where a test says.
class RecordingPdfReader : public PdfReader, private PdfApp, private PdfDoc {
public:
    // The next call of `member` ("create", "show", "activeDoc", "exit", "open", "goTo",
    // "printPagesSilent") is logged and then throws `number`, with its standard text unless given one.
    void failAt(const QString& member, int number = 429, const QString& description = {}) {
        failMember = member;
        failNumber = number;
        failDescription = description.isEmpty() ? standardDescription(number) : description;
    }

    PdfApp& create() override {
        log(QStringLiteral("create"));
        return *this;
    }

    QStringList calls;

private:
    void show() override { log(QStringLiteral("show")); }
    PdfDoc& activeDoc() override {
        log(QStringLiteral("activeDoc"));
        return *this;
    }
    void exit() override { log(QStringLiteral("exit")); }
    void open(const QString& path, const QString& title) override {
        log(QStringLiteral("open"), {path, title});
    }
    void goTo(int page0) override { log(QStringLiteral("goTo"), {QString::number(page0)}); }
    void printPagesSilent(int first0, int last0, int psLevel, bool binary, bool shrinkToFit) override {
        log(QStringLiteral("printPagesSilent"), {QString::number(first0), QString::number(last0),
                                                 QString::number(psLevel), flag(binary), flag(shrinkToFit)});
    }

    static QString flag(bool b) { return b ? QStringLiteral("true") : QStringLiteral("false"); }

    void log(const QString& member, const QStringList& args = {}) {
        calls.append(args.isEmpty() ? member : member + u'(' + args.join(QLatin1String(", ")) + u')');
        if (member != failMember) return;
        failMember.clear();
        throw RuntimeError(failNumber, failDescription);
    }

    QString failMember;
    int failNumber = 0;
    QString failDescription;
};

} // namespace rt
