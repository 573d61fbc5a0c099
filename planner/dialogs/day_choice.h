#pragma once

#include "modal_dialog.h"

class QLabel;
class QRadioButton;

// A question about one day: a text that names the day, two options, OK and Cancel. OK answers the
// chosen option's code; Cancel, the frame and Esc answer the cancel code, so that nothing is done
// that the user did not choose.
class DayChoice : public ModalDialog {
    Q_OBJECT
public:
    qint32 TargetDate = 0;

protected:
    struct Option {
        const char* name;
        int number;
        qint16 answer;
    };
    struct Design {
        int caption;
        Option first, second;
        int ok, cancel;
        qint16 cancelAnswer;
        // The answer of the option chosen when the dialog opens, which OK or Enter gives.
        qint16 chosen;
    };
    DayChoice(const Design& design, QWidget* parent);

    // Label1's text, built when the dialog shows.
    virtual QString message() const = 0;
    void showEvent(QShowEvent* event) override;

private:
    void cmdOK_Click();

    Design design_;
    QLabel* Label1;
    QRadioButton *first_, *second_;
};
