#pragma once

#include "modal_dialog.h"
#include "planner/core/dialogs.h"

class QLabel;
class QRadioButton;

// The schedule conflict: a day that already has a lesson plan is to take another. Replace the plan,
// or insert and move the following plans later.
class MoveDay : public ModalDialog, public MoveDayDialog {
    Q_OBJECT
public:
    explicit MoveDay(QWidget* parent = nullptr);

    void setTargetDate(qint32 date) override { TargetDate = date; }
    void showModal() override { exec(); }
    // 0 replace, 1 insert and move the following plans later, 2 Cancel (also for a close by the frame
    // or Esc, which must not replace anything).
    qint16 Result() const override { return result_; }

    qint32 TargetDate = 0;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void cmdOK_Click();

    QLabel* Label1;
    QRadioButton *opReplace, *opBump;
};
