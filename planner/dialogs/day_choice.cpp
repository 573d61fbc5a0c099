#include "day_choice.h"

#include "dialog_controls.h"
#include "runtime/strings.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

DayChoice::DayChoice(const Design& design, QWidget* parent)
    : ModalDialog(design.cancelAnswer, parent), design_(design) {
    setWindowTitle(rt::StringTable::get(design.caption));
    Label1 = designed<QLabel>(this, "Label1");
    Label1->setWordWrap(true);
    Label1->setMinimumWidth(380);
    first_ = designed<QRadioButton>(this, design.first.name, design.first.number);
    second_ = designed<QRadioButton>(this, design.second.name, design.second.number);
    auto* cmdOK = designed<QPushButton>(this, "cmdOK", design.ok);
    auto* cmdCancel = designed<QPushButton>(this, "cmdCancel", design.cancel);
    localizeControls({first_, second_, cmdOK, cmdCancel});
    (design.chosen == design.second.answer ? second_ : first_)->setChecked(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addSpacing(6);
    layout->addWidget(first_);
    layout->addWidget(second_);
    layout->addWidget(
        buttonRow(this, {{cmdOK, QDialogButtonBox::AcceptRole}, {cmdCancel, QDialogButtonBox::RejectRole}}));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdOK, &QPushButton::clicked, this, &DayChoice::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, [this] { answer(design_.cancelAnswer); });
}

void DayChoice::showEvent(QShowEvent* event) {
    Label1->setText(message());
    ModalDialog::showEvent(event);
}

void DayChoice::cmdOK_Click() {
    if (first_->isChecked())
        answer(design_.first.answer);
    else if (second_->isChecked())
        answer(design_.second.answer);
}
