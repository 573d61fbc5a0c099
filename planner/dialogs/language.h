#pragma once

#include "modal_dialog.h"
#include "planner/core/dialogs.h"

class QLabel;

// Asks in which language to show a resource that has both an English and a Spanish document.
class Language : public ModalDialog, public LanguageDialog {
    Q_OBJECT
public:
    explicit Language(QWidget* parent = nullptr);

    void setResourceTitle(const QString& title) override { ResourceTitle = title; }
    void showModal() override { exec(); }
    // The index of the button: 0 Cancel, 1 English, 2 Spanish.
    qint16 Result() const override { return result_; }

    QString ResourceTitle;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* Text1;
};
