#pragma once

#include "day_choice.h"
#include "planner/core/dialogs.h"

// The schedule conflict: a day that already has a lesson plan is to take another. Replace the plan,
// or insert and move the following plans later.
class MoveDay : public DayChoice, public MoveDayDialog {
    Q_OBJECT
public:
    explicit MoveDay(QWidget* parent = nullptr);

    void setTargetDate(qint32 date) override { TargetDate = date; }
    void showModal() override { exec(); }
    // 0 replace, 1 insert and move the following plans later, 2 Cancel (also for a close by the frame
    // or Esc).
    qint16 Result() const override { return result_; }

protected:
    QString message() const override;
};
