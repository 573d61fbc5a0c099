#pragma once

#include "modal_dialog.h"
#include "planner/core/dialogs.h"

#include <array>

class QCheckBox;
class QRadioButton;

namespace rt {
class CommonDialog;
class MessageBox;
} // namespace rt

// What to print: the current day's lesson plan, its week or its month, each with its own check box
// (the day's printable resources, or every lesson plan of the week or month), and the printer set-up.
class PrintOptions : public ModalDialog, public PrintOptionsDialog {
    Q_OBJECT
public:
    PrintOptions(rt::MessageBox& msg, rt::CommonDialog& CommonDialog1, QWidget* parent = nullptr);

    void showModal() override { exec(); }
    // 1 OK, 2 Cancel (also for a close by the frame or Esc).
    qint16 Result() const override { return result_; }
    // The index of the chosen opPrint: 0 day, 1 week, 2 month.
    qint16 PrintChoice() const override { return PrintChoice_; }
    qint16 chkResourcesValue(int index) const override;

    QRadioButton* opPrint(int index) const { return opPrint_[index]; }
    QCheckBox* chkResources(int index) const { return chkResources_[index]; }

private:
    void opPrint_Click(int index);
    void cmdPrint_Click();

    rt::MessageBox& msg_;
    rt::CommonDialog& CommonDialog1_;
    qint16 PrintChoice_ = 0;
    std::array<QRadioButton*, 3> opPrint_;
    std::array<QCheckBox*, 3> chkResources_;
};
