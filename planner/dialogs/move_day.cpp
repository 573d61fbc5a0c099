#include "move_day.h"

#include "dialog_controls.h"
#include "planner/core/date_captions.h"
#include "runtime/strings.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

MoveDay::MoveDay(QWidget* parent) : ModalDialog(2, parent) {
    setWindowTitle(rt::StringTable::get(2005));
    Label1 = designed<QLabel>(this, "Label1");
    Label1->setWordWrap(true);
    Label1->setMinimumWidth(380);
    opReplace = designed<QRadioButton>(this, "opReplace", 2001);
    opBump = designed<QRadioButton>(this, "opBump", 2002);
    auto* cmdOK = designed<QPushButton>(this, "cmdOK", 2003);
    auto* cmdCancel = designed<QPushButton>(this, "cmdCancel", 2004);
    localizeControls({opReplace, opBump, cmdOK, cmdCancel});
    opReplace->setChecked(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addSpacing(6);
    layout->addWidget(opReplace);
    layout->addWidget(opBump);
    layout->addWidget(
        buttonRow(this, {{cmdOK, QDialogButtonBox::AcceptRole}, {cmdCancel, QDialogButtonBox::RejectRole}}));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdOK, &QPushButton::clicked, this, &MoveDay::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, [this] { answer(2); });
}

void MoveDay::showEvent(QShowEvent* event) {
    Label1->setText(rt::StringTable::get(2000) + FormatDate(TargetDate, "mmmm d, yyyy") +
                    rt::StringTable::get(2006));
    ModalDialog::showEvent(event);
}

void MoveDay::cmdOK_Click() {
    if (opBump->isChecked())
        answer(1);
    else if (opReplace->isChecked())
        answer(0);
}
