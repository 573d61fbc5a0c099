#pragma once

#include "modal_dialog.h"
#include "planner/core/dialogs.h"

class QRadioButton;

// The start-up choice: work with an existing class file or create a new one.
class OpenApp : public ModalDialog, public OpenAppDialog {
    Q_OBJECT
public:
    explicit OpenApp(QWidget* parent = nullptr);

    void showModal() override { exec(); }
    qint16 Result() const override { return result_; }

private:
    void cmdOK_Click();

    QRadioButton* opUseExisting;
};
