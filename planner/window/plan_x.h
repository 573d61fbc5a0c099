#pragma once

#include "planner/core/main_window.h"
#include "planner/data/records.h"
#include "runtime/outside/grid/bound_grid.h"
#include "runtime/report/report_engine.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabBar;
struct Planner;

namespace rt {
class ComponentRegistry;
class Control;
class Dispatch;
class MonthCalendar;
struct RuntimeError;
class OutsideTree;
class RichTextBox;
} // namespace rt

// The planner's main window: the frame with its menus, the four views of the open class, the lesson
// panel and the resource browser. One window whose handlers share its variables; its procedures live
// in one source file per concern.
class PlanX : public QMainWindow, public MainWindow {
    Q_OBJECT
public:
    // The window's own controls come from `components` (the component rows of the settings store)
    // (plan_x_frame.cpp).
    PlanX(Planner& planner, rt::ComponentRegistry& components);

    // Shell (plan_x_shell.cpp).
    void UIOpenClass() override;
    void UICloseClass() override;
    void InitTabs() override;
    void DisableForm() override;
    void EnableForm() override;
    void FocusScheduleLessons() override;
    void FocusLessonGrid() override;
    // The window's own Enabled and MousePointer, which printing sets around each job.
    void SetEnabled(bool enabled) override;
    void SetMousePointer(rt::Pointer pointer) override;

    // Menus (plan_x_menus.cpp).
    void LoadMRUs() override;

    // Calendar views (plan_x_views.cpp).
    void ShowNoView() override;
    void ShowDayView() override;
    void ShowWeekView() override;
    void ShowMonthView() override;
    void RefreshView() override;
    // Date navigation and the week and month views' cells (plan_x_navigation.cpp).
    void ChangeCurrentDate(qint32 date) override;
    void UpdateWeekViewCells(qint32 monday);
    // A Null or empty `d` stands for today.
    void UpdateMonthViewCells(const rt::Value& d);

    // Calendar views: their controls and the window variables of the date navigation.
    // SSMonth1[0] on the week view, SSMonth1[1] filling the month view.
    std::array<rt::MonthCalendar*, 2> SSMonth1;
    // Monday to Friday, then the weekend.
    std::array<rt::Control*, 6> cCell;
    // txtMV[k] lies over day k of the month shown; element 0 is the design's box the others copy.
    std::array<QPlainTextEdit*, 32> txtMV{};
    // [0] the week view's, [1] the day view's.
    std::array<QLabel*, 2> lblDate, lblTeacher;
    std::array<QLabel*, 1> lblUnit;
    qint16 SelectedCellIndex = 0;
    bool IgnoreCalendarChange = false;
    bool CalendarMonthInitialised = false;
    qint16 CalendarMouseButton = 0;

    // The frame's controls, by their names in the window.
    QWidget *picNoView, *picDayView, *picWeekView, *picMonthView;
    QRadioButton *opDayView, *opWeekView, *opMonthView;
    QRadioButton *opChapter, *opByType;
    QPushButton *cmdScheduleLessons, *cmdInsertSpecial, *cmdPrevDay, *cmdNextDay;
    QPushButton *cmdUp, *cmdDown, *cmdLeft, *cmdRight;
    QTabBar *tabLesson, *tabResource;
    rt::OutsideTree *pvChapter, *pvType;
    // The objectives tab control, placed with the lesson panel; none when its library is not registered.
    rt::Control* tabObject = nullptr;
    // Set by the tab control's ObjectiveDirty event: typed objectives not yet in the class file.
    bool ObjectivesDirty = false;

    // Lesson panel (plan_x_lesson_panel.cpp; its grids' handlers in plan_x_lesson_grid.cpp, its buttons'
    // in plan_x_lesson_commands.cpp): the plan of the current date in the lesson grid, the course
    // resources not in it in the browser grid, and the buttons between.
    rt::DataControl datResources, datAdditional;
    rt::BoundGrid *dbgResources, *dbgAdditional;
    // The lesson tab's two pages: the grid with the total and the objectives, and the details pane.
    QWidget *picSummary, *picDetails;
    QLabel* lblTime;
    rt::RichTextBox* rtbDetails;
    // cmdView(0) serves the browser side, cmdView(1) the lesson grid.
    std::array<QPushButton*, 2> cmdView;
    QPushButton *cmdDescription, *cmdNewResource;
    // The resource control that last lost the focus or was double-clicked; the shared buttons act on it.
    QWidget* LastResourceControl = nullptr;
    // The text control (rtbDetails or tabObject) that last had the focus.
    QWidget* LastTextControl = nullptr;
    // What is being dragged: a grid row's ResourceID or a tree branch's data.
    qint32 DragItemID = 0;
    // Read rows of the grids by bookmark without moving them; the lesson grid's ends at the last load.
    rt::Recordset LessonGridClone, BrowserGridClone;
    int LessonFirstBookmark = -1, LessonLastBookmark = -1;

    void LoadLessonResources(const LessonPlanRecord& rec);
    void LoadDetails();
    // The day's objectives on the tabs: as many as the course has tabs, the local one after them, then
    // the All page.
    void showObjectiveTabs();
    // The panel's input for a day with a plan: the objective tabs and the teacher's own resource.
    void enableLessonInput(bool enabled);
    // The buttons for the resource `resourceID` of a grid (plan_x_lesson_grid.cpp).
    void EvalRResourceButtons(qint32& resourceID);

    // Resource browser (plan_x_browser.cpp): the library trees, the browser grid's page and the lesson
    // tab's summary and details pages.
    void ShowByChapter();
    void ShowByType();
    void ShowResourceTree();
    void ShowAdditional();
    void ShowSummary();
    void ShowDetails();
    // Label1[1] frames the arrows while the summary shows; the window places no Label1[0].
    std::array<QLabel*, 2> Label1{};

    // Objectives (plan_x_objectives.cpp): the tabs' texts into a plan record.
    void ReadObjectiveTabs(LessonPlanRecord& rec);
    // The one commit step: with a class open and objectives typed, they are written to the current plan.
    void CommitObjectives();
    // Leaving the class or the program: objectives that cannot be written are told once and given up,
    // so that the leaving always goes on.
    void CommitObjectivesOnLeaving();
    // The report control that File > Print prints with (plan_x_print.cpp); tests may put a recording one
    // in its place.
    std::unique_ptr<rt::ReportEngine> CrystalReport1;

    // The menu bar (plan_x_frame.cpp): each top menu by its item (its title), each item by name.
    QAction *mnuFile, *mnuEdit, *mnuView, *mnuHelp;
    QAction *mnuFileNewClass, *mnuFileOpen, *mnuFileClose, *mnuFileCopy, *mnuFileSep1, *mnuFileClassInfo,
        *mnuFileSep2, *mnuFilePrint, *mnuFileSep3, *mnuFileSep4, *mnuFileExit;
    // mnuLRU1 to mnuLRU4.
    std::array<QAction*, 4> mnuLRU;
    QAction *mnuEditCutText, *mnuEditCopyText, *mnuEditPasteText, *mnuEditSep1, *mnuEditCutLesson,
        *mnuEditCopyLesson, *mnuEditPasteLesson, *mnuEditSep2, *mnuEditMakeLesson;
    QAction *mnuViewDay, *mnuViewWeek, *mnuViewMonth;
    QAction *mnuHelpTopics, *mnuPacing, *mnuHelpTutorial, *mnuHelpWeb, *mnuHelpSep1, *mnuHelpAbout;

    // Edit menu (plan_x_edit_menu.cpp).
    // Ctrl+V was typed outside the lesson grid, so the text control with the focus pasted already;
    // Paste Text reads and clears it.
    bool CtrlVTyped = false;

protected:
    // (plan_x_shell.cpp)
    void closeEvent(QCloseEvent* event) override;
    // The window's key preview (Form_KeyPress) (plan_x_lesson_panel.cpp).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The window's design (plan_x_frame.cpp).
    void makeFrame();
    void makeMenus();
    QAction* menuItem(QMenu* menu, const char* name, int number, void (PlanX::*handler)() = nullptr);

    // Shell (plan_x_shell.cpp).
    void Form_Load();
    // The window's own enabled state: its contents and its menu bar.
    void setFormEnabled(bool enabled);
    bool formEnabled() const;
    // Runs a handler; a run-time error it lets through is shown, and the window is usable again.
    void runHandler(const std::function<void()>& handler);
    void onClick(QAction* item, void (PlanX::*handler)());
    // An option set by code runs its click handler when its value changes to set.
    void onSet(QRadioButton* option, void (PlanX::*handler)());

    // Menus (plan_x_menus.cpp).
    void LoadMenuResources();
    void mnuFileNewClass_Click();
    void mnuFileOpen_Click();
    void mnuFileClose_Click();
    void mnuFileCopy_Click();
    void mnuFileClassInfo_Click();
    void mnuLRU_Click(qint16 n);
    void mnuFileExit_Click();
    void mnuHelpTopics_Click();
    void mnuPacing_Click();
    void mnuHelpTutorial_Click();
    void mnuHelpWeb_Click();
    void mnuHelpAbout_Click();

    // File > Print hands the open class to the printing (plan_x_print.cpp).
    void mnuFilePrint_Click();

    // Calendar views: their controls (plan_x_view_controls.cpp).
    void makeCalendarViews();
    // At load: the calendars' weekdays, range and option; the day boxes of the month view.
    void setUpCalendars();
    void makeDayBoxes();
    // The views (plan_x_views.cpp).
    // The window's own background colour, which every week cell but the selected one takes.
    void setFormBackColor(quint32 colour);
    // The Cut and Copy Lesson Plan items follow whether the current date has a plan.
    void enableLessonCommands();
    void mnuViewDay_Click();
    void mnuViewWeek_Click();
    void mnuViewMonth_Click();
    void opDayView_Click();
    void opWeekView_Click();
    void opMonthView_Click();
    // Brings one view picture to the front of the four.
    void bringToFront(QWidget* picture);
    // The date navigation (plan_x_navigation.cpp).
    void cmdPrevDay_Click();
    void cmdNextDay_Click();
    // Drops on the day buttons end the drag; nothing else happens.
    void cmdPrevDay_DragDrop();
    void cmdNextDay_DragDrop();
    void cCell_Click(qint16 index);
    void cCell_DblClick(qint16 index);
    void cCell_GotFocus(qint16 index);
    void SSMonth1_SelChanged(qint16 index, const QString& selDate, const QString& oldSelDate);
    void SSMonth1_InitMonth();
    void SSMonth1_MouseDown(qint16 index, qint16 button);
    void SSMonth1_DblClick();
    void SSMonth1_GotFocus();
    void txtMV_Click(qint16 index);
    void txtMV_DblClick(qint16 index);
    void txtMV_GotFocus(qint16 index);
    // The date a day box stands for.
    qint32 dayBoxDate(qint16 index) const;

    // Lesson panel (plan_x_lesson_panel.cpp).
    void makeLessonPanel();
    void makeObjectiveTabs();
    void InitGrids();
    void connectLessonPanel();
    bool Form_KeyPress(qint16& keyAscii);
    void followTextFocus(QWidget* old, QWidget* now);
    void tabObject_GotFocus();
    void tabObject_LostFocus();
    void showLessonTime();
    // The buttons, the grids' double clicks and drags (plan_x_lesson_commands.cpp).
    void cmdLeft_Click();
    void cmdRight_Click();
    void cmdUp_Click();
    void cmdDown_Click();
    void moveLessonRow(QPushButton* pressed, bool down);
    void cmdView_Click();
    void cmdDescription_Click();
    void cmdNewResource_Click();
    void cmdInsertSpecial_Click();
    void dbgResources_DblClick();
    void dbgAdditional_DblClick();
    void grid_DragCell(rt::BoundGrid* grid, int bookmark);
    void dbgResources_DragDrop(const QString& sourceName);
    void dbgAdditional_DragDrop(const QString& sourceName);
    // The resource the shared buttons act on, read from LastResourceControl; 0 when none.
    qint32 lastResourceID(bool treesFirst);
    // The grids' focus, row and edit events (plan_x_lesson_grid.cpp).
    void dbgResources_GotFocus();
    void dbgResources_RowColChange();
    void dbgAdditional_GotFocus();
    void dbgAdditional_RowColChange();
    void grid_LostFocus(rt::BoundGrid* grid);
    void dbgResources_KeyPress(rt::Args& keyAscii);
    void dbgResources_BeforeColEdit(int column, qint16 keyAscii, bool& cancel);
    void dbgResources_AfterColEdit(int column);
    void dbgResources_AfterUpdate();
    // The up and down buttons' states for the lesson grid's current row.
    void evalMoveButtons();

    // Scheduling (plan_x_scheduling.cpp).
    void cmdScheduleLessons_Click();

    // Edit menu (plan_x_edit_menu.cpp).
    void mnuEditCutText_Click();
    void mnuEditCopyText_Click();
    void mnuEditPasteText_Click();
    void mnuEditCutLesson_Click();
    void mnuEditCopyLesson_Click();
    void mnuEditPasteLesson_Click();
    void mnuEditMakeLesson_Click();
    // Copy Lesson Plan; false when the plan could not be read whole (told, the clipboard kept).
    bool copyLessonPlan();
    void tellLessonCommandFailed(const QString& what, const rt::RuntimeError& e);

    // Resource browser (plan_x_browser.cpp).
    void makeBrowser();
    // The browser-side buttons for a branch of the chapter or the type library; none when nullptr.
    void EvalChapterButtons(rt::Dispatch* branch);
    void EvalTypeButtons(rt::Dispatch* branch);
    void evalTreeButtons(rt::OutsideTree& tree, rt::Dispatch* branch);
    void opChapter_Click();
    void opByType_Click();
    void showLibrary(rt::OutsideTree& tree);
    void tabLesson_Click();
    void tabResource_Click();
    // The events of both trees; each tree acts on itself and reads its own library.
    void tree_Event(rt::OutsideTree& tree, int event, rt::Args& args);
    void tree_LButtonDown(rt::OutsideTree& tree);
    void tree_MouseMove(rt::OutsideTree& tree, qint16 button);
    void tree_DragDrop(const QString& sourceName);

    // The context of the connections that a control or the application raises when the focus moves (the
    // trees', the grids' focus loss, the application's focus change). A member goes before the window's
    // widgets, so the focus leaving a control while the window is destroyed reaches no handler.
    QObject focusEvents_;

    Planner& planner_;
    rt::ComponentRegistry& components_;
    quint32 formBackColor_;
    // Each view procedure's own guard against running again inside itself.
    bool dayViewBusy_ = false, weekViewBusy_ = false, monthViewBusy_ = false;
};
