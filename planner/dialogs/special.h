#pragma once

#include <functional>

#include "modal_dialog.h"
#include "planner/core/dialogs.h"

class QComboBox;
class QLineEdit;

namespace rt {
class MessageBox;
class MonthCalendar;
} // namespace rt

// Inserts special days (holidays, field trips, ...) into the open class, one at a time; the dialog
// stays open until Close.
class Special : public ModalDialog, public SpecialDialog {
    Q_OBJECT
public:
    Special(rt::MessageBox& msg, PlannerDialogs& dialogs, QWidget* parent = nullptr);

    void showModal() override { exec(); }

    // What the Help button opens.
    std::function<void()> onHelp;

private:
    void cmdAdd_Click();

    rt::MessageBox& msg_;
    PlannerDialogs& dialogs_;
    rt::MonthCalendar* SSMonth1;
    QComboBox* cboSpecial;
    QLineEdit* Text1;
};
