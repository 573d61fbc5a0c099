#include "open_app.h"

#include "dialog_controls.h"
#include "shared/course_settings.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The explanation under an option, indented to the option's text.
QLabel* explanation(QWidget* form, int number) {
    auto* label = designed<QLabel>(form, "Label1", number);
    label->setWordWrap(true);
    label->setContentsMargins(24, 0, 0, 8);
    return label;
}

} // namespace

OpenApp::OpenApp(QWidget* parent) : ModalDialog(0, parent) {
    setWindowTitle(CourseSettings.AppTitle);
    auto* question = designed<QLabel>(this, "Label1", 2201);
    question->setWordWrap(true);
    question->setMinimumWidth(360);
    opUseExisting = designed<QRadioButton>(this, "opUseExisting", 2202);
    auto* useExisting = explanation(this, 2203);
    auto* opCreateNew = designed<QRadioButton>(this, "opCreateNew", 2204);
    auto* createNew = explanation(this, 2205);
    auto* cmdOK = designed<QPushButton>(this, "cmdOK", 2206);
    auto* cmdCancel = designed<QPushButton>(this, "cmdCancel", 2207);
    localizeControls({question, opUseExisting, useExisting, opCreateNew, createNew, cmdOK, cmdCancel});
    opUseExisting->setChecked(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addSpacing(8);
    layout->addWidget(opUseExisting);
    layout->addWidget(useExisting);
    layout->addWidget(opCreateNew);
    layout->addWidget(createNew);
    layout->addWidget(
        buttonRow(this, {{cmdOK, QDialogButtonBox::AcceptRole}, {cmdCancel, QDialogButtonBox::RejectRole}}));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdOK, &QPushButton::clicked, this, &OpenApp::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, [this] { answer(0); });
}

void OpenApp::cmdOK_Click() {
    answer(opUseExisting->isChecked() ? 1 : 2);
}
