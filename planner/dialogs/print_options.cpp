#include "print_options.h"

#include "dialog_controls.h"
#include "planner/core/planner.h"
#include "runtime/common_dialog.h"
#include "runtime/error.h"
#include "runtime/message_box.h"
#include "runtime/strings.h"
#include "shared/course_settings.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

PrintOptions::PrintOptions(rt::MessageBox& msg, rt::CommonDialog& CommonDialog1, QWidget* parent)
    : ModalDialog(2, parent), msg_(msg), CommonDialog1_(CommonDialog1) {
    setWindowTitle(rt::StringTable::get(2500));
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < 3; ++i) {
        opPrint_[i] = designed<QRadioButton>(this, "opPrint", 2501 + i);
        chkResources_[i] = designed<QCheckBox>(this, "chkResources", 2508 + i);
        opPrint_[i]->setProperty("Index", i);
        chkResources_[i]->setProperty("Index", i);
        layout->addWidget(opPrint_[i]);
        auto* indented = new QVBoxLayout;
        indented->setContentsMargins(24, 0, 0, 6);
        indented->addWidget(chkResources_[i]);
        layout->addLayout(indented);
    }
    auto* cmdOK = designed<QPushButton>(this, "cmdOK", 2505);
    auto* cmdCancel = designed<QPushButton>(this, "cmdCancel", 2506);
    auto* cmdPrint = designed<QPushButton>(this, "cmdPrint", 2507);
    localizeControls({opPrint_[0], opPrint_[1], opPrint_[2], chkResources_[0], chkResources_[1],
                      chkResources_[2], cmdOK, cmdCancel, cmdPrint});
    layout->addWidget(buttonRow(this, {{cmdOK, QDialogButtonBox::AcceptRole},
                                       {cmdCancel, QDialogButtonBox::RejectRole},
                                       {cmdPrint, QDialogButtonBox::ResetRole}}));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (int i = 0; i < 3; ++i)
        connect(opPrint_[i], &QRadioButton::toggled, this, [this, i](bool chosen) {
            if (chosen) opPrint_Click(i);
        });
    connect(cmdOK, &QPushButton::clicked, this, [this] { answer(1); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { answer(2); });
    connect(cmdPrint, &QPushButton::clicked, this, &PrintOptions::cmdPrint_Click);

    // A day without a lesson has no lesson plan to print: the week is chosen instead.
    if (CurrentLesson.TreeID == -999) {
        opPrint_[0]->setEnabled(false);
        opPrint_[1]->setChecked(true);
    } else {
        opPrint_[0]->setChecked(true);
    }
}

qint16 PrintOptions::chkResourcesValue(int index) const {
    return chkResources_.at(size_t(index))->isChecked() ? 1 : 0;
}

void PrintOptions::opPrint_Click(int index) {
    PrintChoice_ = static_cast<qint16>(index);
    for (int i = 0; i < 3; ++i) {
        chkResources_[i]->setEnabled(i == index);
        if (i != index) chkResources_[i]->setChecked(false);
    }
}

void PrintOptions::cmdPrint_Click() {
    try {
        rt::throwIfNotAccepted(CommonDialog1_.showPrinter(QString(), 0));
    } catch (const rt::RuntimeError& e) {
        if (e.number == 28663)
            msg_.show({QStringLiteral("Assign a default printer and try again."), CourseSettings.AppTitle,
                       rt::MbButtons::Ok});
    }
}
