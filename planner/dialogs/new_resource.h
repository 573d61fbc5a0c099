#pragma once

#include "modal_dialog.h"

class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace rt {
class MessageBox;
}

// A teacher's own resource for the current lesson plan: title, type, minutes and description.
class NewResource : public ModalDialog {
    Q_OBJECT
public:
    explicit NewResource(rt::MessageBox& msg, QWidget* parent = nullptr);

    void showModal() { exec(); }
    // 1 OK, 2 Cancel (also for a close by the frame or Esc).
    qint16 Result() const { return result_; }

    QLineEdit* txtTitle() const { return txtTitle_; }
    QListWidget* lbTypes() const { return lbTypes_; }
    QLineEdit* txtMinutes() const { return txtMinutes_; }
    QPlainTextEdit* txtDescription() const { return txtDescription_; }
    // The whole minutes of txtMinutes, read as a number ("" and "." are 0, "4.5" is 4). OK takes only
    // 0 to 32767, the minutes a resource holds; 0 before that for others.
    qint16 Minutes() const;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmdOK_Click();
    double typedMinutes() const;

    rt::MessageBox& msg_;
    QLineEdit* txtTitle_;
    QListWidget* lbTypes_;
    QLineEdit* txtMinutes_;
    QPlainTextEdit* txtDescription_;
};
