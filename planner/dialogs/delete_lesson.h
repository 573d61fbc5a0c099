#pragma once

#include "modal_dialog.h"
#include "planner/core/dialogs.h"

class QLabel;
class QRadioButton;

// Asks how to remove a day's lesson plan: clear the day, or clear it and move the following plans
// back one school day.
class DeleteLesson : public ModalDialog, public DeleteLessonDialog {
    Q_OBJECT
public:
    explicit DeleteLesson(QWidget* parent = nullptr);

    void setTargetDate(qint32 date) override { TargetDate = date; }
    void showModal() override { exec(); }
    // 0 clear that day, 2 clear and move the following plans earlier, 1 Cancel (also for a close by
    // the frame or Esc, which must not remove anything).
    qint16 Result() const override { return result_; }

    qint32 TargetDate = 0;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void cmdOK_Click();

    QLabel* Label1;
    QRadioButton *opClearDay, *opSuck;
};
