#include "modal_dialog.h"

ModalDialog::ModalDialog(qint16 closeAnswer, QWidget* parent) : QDialog(parent), closeAnswer_(closeAnswer) {}

void ModalDialog::answer(qint16 result) {
    result_ = result;
    hide();
}

void ModalDialog::reject() {
    result_ = closeAnswer_;
    QDialog::reject();
}
