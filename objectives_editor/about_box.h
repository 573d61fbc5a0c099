#pragma once

#include <QDialog>

class QLabel;
namespace rt {
class RichTextBox;
}

// The editor's about box, shown modally: the program's text, its title and version with the rights; a
// double click on the hidden image in its corner shows the program's version and folder.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    // Loads the box; error 53 when the text beside the program cannot be read.
    explicit frmAbout(QWidget* parent = nullptr);

    void cmdOK_Click();
    void imgHidden_DblClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    rt::RichTextBox* rtb1;
    QLabel* lblInfo;
    QLabel* imgHidden;
};
