#pragma once

#include "modal_dialog.h"
#include "planner/core/dialogs.h"
#include "runtime/com/dispatch.h"

#include <QPixmap>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedLayout;

namespace rt {
class EventLoop;
class MessageBox;
class MonthCalendar;
class OutsideTree;
} // namespace rt

// The "Schedule Lessons" wizard: page by page, a start date and the days per lesson (page 4), course
// lessons or one custom lesson (page 0), the course lessons in order (page 2) or the custom lesson's
// title and a course lesson to take resources from (page 3), and the days to leave out (page 1). OK
// fills BlockedDays and LessonQueue and hides the wizard; it writes nothing to the class.
class Schedule : public ModalDialog, public ScheduleDialog {
    Q_OBJECT
public:
    Schedule(rt::MessageBox& msg, rt::EventLoop& loop, QWidget* parent = nullptr);

    void showModal() override { exec(); }
    qint16 Result() const override { return result_; }
    qint32 calStart() const override;
    QString cboDays() const override;
    qint16 Check1() const override;
    QString txtCustTitle() const override;
    qint32 pvtBrackwellSelected() const override;

    // What the Help button opens.
    std::function<void()> onHelp;

private:
    void Form_Load();
    void showPage(qint16 page);
    void cmdNext_Click();
    void cmdPrev_Click();
    void cmdAdd_Click();
    void cmdDel_Click();
    void cmdUp_Click();
    void cmdDown_Click();
    void moveRow(int by);
    void List1_Click();
    void List1_GotFocus();
    void listBecameEmpty();
    void Check1_Click();
    void txtCustTitle_Change();
    void cmdOK_Click();
    void pvtBrackwell_Event(int event, rt::Args& args);
    void pvtBrackwell_GotFocus();
    void pvtBrackwell_AfterSelChange();
    void pvtBrackwell_MouseMove(qint16 state);
    void pvtBrackwell_OLEStartDrag(rt::Dispatch& data, rt::Args& args);
    void List1_OLEDragDrop(const QString& text);
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool leafSelected() const;
    bool nodeSelected() const;
    void setOKFor(const QString& title);
    void bringToFront(QPushButton* button);
    void placeTree(QWidget* slot, int widthTwips, int heightTwips);

    rt::MessageBox& msg_;
    rt::EventLoop& loop_;
    qint16 CurrentPage = 4;
    qint32 SelectedLessonID = -1;
    bool TreeDragging = false;
    QPixmap listDragIcon_;

    QStackedLayout* pages_;
    QWidget* picStartDate;
    QWidget* picLessonChoice;
    QWidget* picBrackwell;
    QWidget* picCustom;
    QWidget* picExceptDate;
    QWidget* brackwellTreeSlot_;
    QWidget* customTreeSlot_;
    rt::MonthCalendar* calStart_;
    rt::MonthCalendar* calExcept;
    QComboBox* cboDays_;
    QRadioButton* optLessonChoice[2];
    QListWidget* List1;
    QPushButton* cmdAdd;
    QPushButton* cmdDel;
    QPushButton* cmdUp;
    QPushButton* cmdDown;
    QLineEdit* txtCustTitle_;
    QCheckBox* Check1_;
    rt::OutsideTree* pvtBrackwell;
    QStackedLayout* nextOrOK_;
    QPushButton* cmdPrev;
    QPushButton* cmdNext;
    QPushButton* cmdOK;
};
