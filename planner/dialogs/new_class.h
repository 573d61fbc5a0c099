#pragma once

#include "modal_dialog.h"
#include "planner/core/dialogs.h"

class QLineEdit;
class QPlainTextEdit;

namespace rt {
class CommonDialog;
class MessageBox;
struct FileDialogResult;
} // namespace rt

// A new class's teacher, period, subject and comments, and the file it is saved as.
class NewClass : public ModalDialog, public NewClassDialog {
    Q_OBJECT
public:
    NewClass(rt::MessageBox& msg, rt::CommonDialog& dlgClass, QWidget* parent = nullptr);

    void showModal() override { exec(); }
    qint16 Result() const override { return result_; }
    void GetFileName() override;
    QString ClassFileName() const override { return ClassFileName_; }
    QString txtTeacher() const override;
    QString txtSubject() const override;
    QString txtClass() const override;
    QString txtComments() const override;

private:
    void cmdOK_Click();
    bool acceptable(const rt::FileDialogResult& chosen);
    void refuse(const QString& text, const QString& title);

    rt::MessageBox& msg_;
    rt::CommonDialog& dlgClass_;
    QString ClassFileName_;
    QLineEdit *txtTeacher_, *txtClass_, *txtSubject_;
    QPlainTextEdit* txtComments_;
};
