#include "class_info.h"

#include "dialog_controls.h"
#include "resources/pictures.h"
#include "runtime/strings.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

ClassInfo::ClassInfo(QWidget* parent) : ModalDialog(2, parent) {
    setWindowTitle(rt::StringTable::get(1111));
    setWindowIcon(rt::Pictures::icon(1101));
    QLabel* Label1[] = {designed<QLabel>(this, "Label1", 1101), designed<QLabel>(this, "Label1", 1103),
                        designed<QLabel>(this, "Label1", 1105), designed<QLabel>(this, "Label1", 1107)};
    txtTeacher_ = designed<QLineEdit>(this, "txtTeacher", 1102);
    txtClass_ = designed<QLineEdit>(this, "txtClass", 1104);
    txtSubject_ = designed<QLineEdit>(this, "txtSubject", 1106);
    txtComments_ = designed<QPlainTextEdit>(this, "txtComments", 1108);
    auto* cmdOK = designed<QPushButton>(this, "cmdOK", 1109);
    cmdCancel = designed<QPushButton>(this, "cmdCancel", 1110);
    localizeControls({Label1[0], Label1[1], Label1[2], Label1[3], txtTeacher_, txtClass_, txtSubject_,
                      txtComments_, cmdOK, cmdCancel});
    for (QWidget* box : std::initializer_list<QWidget*>{txtTeacher_, txtClass_, txtSubject_, txtComments_})
        selectAllOnFocus(box);
    multiLineBox(txtComments_, 4);

    auto* layout = new QFormLayout(this);
    layout->addRow(Label1[0], txtTeacher_);
    layout->addRow(Label1[1], txtClass_);
    layout->addRow(Label1[2], txtSubject_);
    layout->addRow(Label1[3], txtComments_);
    layout->addRow(
        buttonRow(this, {{cmdOK, QDialogButtonBox::AcceptRole}, {cmdCancel, QDialogButtonBox::RejectRole}}));
    setMinimumWidth(380);

    connect(cmdOK, &QPushButton::clicked, this, [this] { answer(1); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { answer(2); });
}

void ClassInfo::showEvent(QShowEvent* event) {
    ProtectControls();
    ModalDialog::showEvent(event);
}

void ClassInfo::ProtectControls() {
    txtTeacher_->setReadOnly(Protected);
    txtClass_->setReadOnly(Protected);
    txtSubject_->setReadOnly(Protected);
    txtComments_->setReadOnly(Protected);
    cmdCancel->setVisible(!Protected);
    cmdCancel->setEnabled(!Protected);
}
