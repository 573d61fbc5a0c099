#pragma once

#include "modal_dialog.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The open class's teacher, period, subject and comments. The caller fills the four boxes and reads
// them back after OK; a protected dialog only shows them.
class ClassInfo : public ModalDialog {
    Q_OBJECT
public:
    explicit ClassInfo(QWidget* parent = nullptr);

    void showModal() { exec(); }
    // 1 OK, 2 Cancel (also for a close by the frame or Esc).
    qint16 Result() const { return result_; }

    bool Protected = false;
    QLineEdit* txtTeacher() const { return txtTeacher_; }
    QLineEdit* txtClass() const { return txtClass_; }
    QLineEdit* txtSubject() const { return txtSubject_; }
    QPlainTextEdit* txtComments() const { return txtComments_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ProtectControls();

    QLineEdit *txtTeacher_, *txtClass_, *txtSubject_;
    QPlainTextEdit* txtComments_;
    QPushButton* cmdCancel;
};
