#pragma once

#include "runtime/com/dispatch.h"
#include "runtime/com/property_bag.h"

#include <QDialog>
#include <memory>

class QLabel;
class QPushButton;
class LocalObjectiveBox;
struct Editor;
namespace rt {
class Control;
class ReportEngine;
} // namespace rt

// The editor window: the course's lesson tree, the selected lesson's course objectives (read only) on
// the tab control, and its local objective, the one text the user changes. Created on its first opening
// (its tree filled from the course database), then only hidden until the menu window unloads it. The
// tree and tab controls come from their libraries by programmatic identifier, so loading fails with the
// component error 429 when they are not registered.
class frmTRD : public QDialog {
    Q_OBJECT
public:
    explicit frmTRD(Editor& editor, QWidget* parent = nullptr);
    ~frmTRD() override;

    void cmdOK_Click();
    // Prints the course's local objectives on the printer chosen in the printer dialog.
    void cmdPrint_Click();
    // A close by the window frame or Esc is a Close: the pending local objective is saved and no lesson
    // stays the one being edited.
    void reject() override;

    void treTRD_Expand(rt::Dispatch& node);
    void treTRD_Collapse(rt::Dispatch& node);
    void treTRD_TMouseDown();
    void treTRD_TNodeChange();
    void rtbTRD_GotFocus();
    void rtbTRD_KeyPress(qint16& keyAscii);
    // The local-objective box takes typing (white) or not (grey); gives the new state.
    bool EnableTextEntry(bool enable);

    // The report control; tests put a recording one in its place.
    std::unique_ptr<rt::ReportEngine> report;

private:
    void ResizeControls();
    void placeControls();
    void setUpTabs();
    // What a click, a key or an expansion does to the lesson of `node`: the pending local objective is
    // saved, the lesson's objectives are shown, and its children are read the first time.
    void showLesson(rt::Dispatch& node);
    void selectedLesson();
    void onTreeEvent(int eventId, rt::Args& args);

    Editor& editor_;
    rt::MapPropertyBag treeBag_, tabBag_;
    rt::Control* treTRD;
    rt::Control* tabTRD;
    LocalObjectiveBox* rtbTRD;
    QLabel *lbl1, *lbl2, *lbl3;
    QPushButton *cmdPrint, *cmdOK;
};
