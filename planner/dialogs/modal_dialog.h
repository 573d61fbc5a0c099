#pragma once

#include <QDialog>

// A planner dialog: its caller shows it modally and reads how it closed from its Result. The buttons
// set Result and hide the dialog, which ends the modal loop; a close by the window frame or Esc
// answers `closeAnswer`, the dialog's Cancel.
class ModalDialog : public QDialog {
    Q_OBJECT
public:
    void reject() override;

protected:
    explicit ModalDialog(qint16 closeAnswer = 0, QWidget* parent = nullptr);
    void answer(qint16 result);

    qint16 result_ = 0;

private:
    qint16 closeAnswer_;
};
