#include "resource_details.h"

#include "dialog_controls.h"
#include "resources/pictures.h"
#include "runtime/strings.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

ResourceDetails::ResourceDetails(QWidget* parent) : ModalDialog(0, parent) {
    setWindowTitle(rt::StringTable::get(1201));
    setWindowIcon(rt::Pictures::icon(1101));
    QLabel* Label1[] = {designed<QLabel>(this, "Label1", 1202), designed<QLabel>(this, "Label1", 1203),
                        designed<QLabel>(this, "Label1", 1204), designed<QLabel>(this, "Label1", 1205)};
    txtTitle_ = designed<QLineEdit>(this, "txtTitle");
    txtType_ = designed<QLineEdit>(this, "txtType");
    txtTime_ = designed<QLineEdit>(this, "txtTime");
    txtDescription_ = designed<QPlainTextEdit>(this, "txtDescription");
    auto* cmdOK = designed<QPushButton>(this, "cmdOK", 1206);
    localizeControls({Label1[0], Label1[1], Label1[2], Label1[3], cmdOK});
    // Nothing typed here would be kept: the boxes only show.
    for (QLineEdit* box : {txtTitle_, txtType_, txtTime_}) box->setReadOnly(true);
    txtDescription_->setReadOnly(true);
    multiLineBox(txtDescription_, 5);
    txtTime_->setMaximumWidth(txtTime_->fontMetrics().horizontalAdvance(u'0') * 8);

    auto* layout = new QFormLayout(this);
    layout->addRow(Label1[0], txtTitle_);
    layout->addRow(Label1[1], txtType_);
    layout->addRow(Label1[2], txtTime_);
    layout->addRow(Label1[3], txtDescription_);
    layout->addRow(buttonRow(this, {{cmdOK, QDialogButtonBox::AcceptRole}}));
    setMinimumWidth(420);

    connect(cmdOK, &QPushButton::clicked, this, &QWidget::hide);
}
