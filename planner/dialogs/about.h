#pragma once

#include <QDialog>

class QLabel;

namespace rt {
class RichTextBox;
}

// The about box: the program's own text, its version and rights; a double click on the hidden image
// in its corner shows where the program runs from and which course it has loaded.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    // Shows the one about box over its owner, not modal; cmdOK unloads it.
    static frmAbout* showAbout(QWidget* owner);
    static frmAbout* instance();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit frmAbout(QWidget* owner);
    void imgHidden_DblClick();

    rt::RichTextBox* rtb1;
    QLabel* lblInfo;
    QLabel* imgHidden;
};
