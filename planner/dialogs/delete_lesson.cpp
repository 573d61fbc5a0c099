#include "delete_lesson.h"

#include "dialog_controls.h"
#include "planner/core/date_captions.h"
#include "runtime/strings.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

DeleteLesson::DeleteLesson(QWidget* parent) : ModalDialog(1, parent) {
    setWindowTitle(rt::StringTable::get(1705));
    Label1 = designed<QLabel>(this, "Label1");
    Label1->setWordWrap(true);
    Label1->setMinimumWidth(380);
    opClearDay = designed<QRadioButton>(this, "opClearDay", 1701);
    opSuck = designed<QRadioButton>(this, "opSuck", 1702);
    auto* cmdOK = designed<QPushButton>(this, "cmdOK", 1703);
    auto* cmdCancel = designed<QPushButton>(this, "cmdCancel", 1704);
    localizeControls({opClearDay, opSuck, cmdOK, cmdCancel});
    opClearDay->setChecked(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addSpacing(6);
    layout->addWidget(opClearDay);
    layout->addWidget(opSuck);
    layout->addWidget(
        buttonRow(this, {{cmdOK, QDialogButtonBox::AcceptRole}, {cmdCancel, QDialogButtonBox::RejectRole}}));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdOK, &QPushButton::clicked, this, &DeleteLesson::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, [this] { answer(1); });
}

void DeleteLesson::showEvent(QShowEvent* event) {
    Label1->setText(rt::StringTable::get(1700) + FormatDate(TargetDate, "dddd mmmm, d") +
                    rt::StringTable::get(1706));
    ModalDialog::showEvent(event);
}

void DeleteLesson::cmdOK_Click() {
    if (opClearDay->isChecked())
        answer(0);
    else if (opSuck->isChecked())
        answer(2);
}
