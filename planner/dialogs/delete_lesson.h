#pragma once

#include "day_choice.h"
#include "planner/core/dialogs.h"

// Asks how to remove a day's lesson plan: clear the day, or clear it and move the following plans
// back one school day.
class DeleteLesson : public DayChoice, public DeleteLessonDialog {
    Q_OBJECT
public:
    explicit DeleteLesson(QWidget* parent = nullptr);

    void setTargetDate(qint32 date) override { TargetDate = date; }
    void showModal() override { exec(); }
    // 0 clear that day, 2 clear and move the following plans earlier, 1 Cancel (also for a close by
    // the frame or Esc).
    qint16 Result() const override { return result_; }

protected:
    QString message() const override;
};
