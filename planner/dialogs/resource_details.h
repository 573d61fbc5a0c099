#pragma once

#include "modal_dialog.h"

class QLineEdit;
class QPlainTextEdit;

// Shows a resource's title, type, minutes and description, as the caller fills them.
class ResourceDetails : public ModalDialog {
    Q_OBJECT
public:
    explicit ResourceDetails(QWidget* parent = nullptr);

    void showModal() { exec(); }

    QLineEdit* txtTitle() const { return txtTitle_; }
    QLineEdit* txtType() const { return txtType_; }
    QLineEdit* txtTime() const { return txtTime_; }
    QPlainTextEdit* txtDescription() const { return txtDescription_; }

private:
    QLineEdit *txtTitle_, *txtType_, *txtTime_;
    QPlainTextEdit* txtDescription_;
};
