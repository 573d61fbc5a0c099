// The window's load, the procedures with which class-file handling tells it that a class opened or
// closed, the bracket around long work, and the guard around every handler.
#include "plan_x.h"

#include "controls/tab/ctlTabIds.h"
#include "planner/core/class_files.h"
#include "planner/core/presentation.h"
#include "planner/data/course_database.h"
#include "planner/data/library_trees.h"
#include "planner/dialogs/dialog_controls.h"
#include "resources/pictures.h"
#include "runtime/com/control.h"
#include "runtime/com/twips.h"
#include "runtime/error.h"
#include "runtime/outside/tree/outside_tree.h"
#include "runtime/strings.h"
#include "runtime/ui/fixed_window.h"
#include "shared/course_settings.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

using rt::twips::toPx;

void PlanX::Form_Load() {
    setWindowIcon(rt::Pictures::icon(1));
    setWindowTitle(rt::StringTable::get(1401));
    localizeControls(
        {opDayView, opMonthView, opWeekView, cmdScheduleLessons, cmdInsertSpecial, cmdNextDay, cmdPrevDay});
    cmdUp->setIcon(rt::Pictures::bitmap(1903));
    cmdDown->setIcon(rt::Pictures::bitmap(1904));
    cmdLeft->setIcon(rt::Pictures::bitmap(1901));
    cmdRight->setIcon(rt::Pictures::bitmap(1902));
    planner_.platform.loop.yield();
    LoadMenuResources();
    LoadMRUs();
    rt::keepDesignedSize(this, QSize(toPx(9600), toPx(7200)));
    rt::placeAtScreenCorner(this);
    for (QWidget* pic : {picWeekView, picNoView, picMonthView, picDayView})
        pic->setGeometry(0, toPx(420), toPx(9510), toPx(6120));
    for (rt::OutsideTree* tree : {pvChapter, pvType})
        tree->setDragIcon(rt::Pictures::imageListPicture(QStringLiteral("DragCopy")));
    setUpCalendars();
    ShowNoView();
    makeDayBoxes();
}

void PlanX::UIOpenClass() {
    if (CourseSettings.StyleLKWindowCaption != 0)
        setWindowTitle(FormatItemText(CurrentLesson, CourseSettings.StyleLKWindowCaption));
    else
        setWindowTitle(rt::StringTable::get(1401) + QStringLiteral(" - ") + CourseSettings.Subject +
                       QStringLiteral(": ") + StripPath(ClassFilePath));
    rt::Platform& platform = planner_.platform;
    platform.cursor.setPointer(this, rt::Pointer::Hourglass);
    InitTabs();
    for (QPushButton* b : {cmdScheduleLessons, cmdInsertSpecial, cmdPrevDay, cmdNextDay}) b->setEnabled(true);
    platform.loop.yield();

    static const QStringList byTypeCourses{"KTN1", "KTN2", "KTN3"},
        chapterOnlyCourses{"RV09", "RV10", "RV11", "RV12"};
    if (byTypeCourses.contains(LoadedCourse)) {
        opByType->setVisible(true);
        opChapter->setVisible(true);
        FillResourceTypeRoots(platform.loop, *pvType);
    } else if (chapterOnlyCourses.contains(LoadedCourse)) {
        opByType->setVisible(false);
        opChapter->setVisible(false);
    } else if (CourseSettings.ShowResLib2) {
        opByType->setText(CourseSettings.ResLib2Label);
        opChapter->setText(CourseSettings.ResLib1Label);
        for (QRadioButton* option : {opByType, opChapter}) {
            option->setVisible(true);
            option->setEnabled(true);
        }
        FillResourceTypeRoots(platform.loop, *pvType);
    } else {
        for (QRadioButton* option : {opChapter, opByType}) {
            option->setVisible(false);
            option->setEnabled(false);
        }
        opChapter->setText(CourseSettings.ResLib1Label);
    }
    LoadMRUs();
    opChapter->setText(CourseSettings.ResLib1Label);
    FillChapterTreeRoots(platform.loop, *pvChapter);
    ShowDayView();
    for (QAction* item : {mnuFileClassInfo, mnuFileCopy, mnuFileClose, mnuFilePrint, mnuView})
        item->setEnabled(true);
    platform.cursor.setPointer(this, rt::Pointer::Default);
    platform.loop.yield();
}

void PlanX::UICloseClass() {
    planner_.platform.cursor.setPointer(this, rt::Pointer::Hourglass);
    CommitObjectivesOnLeaving();
    opChapter->setChecked(true);
    ShowNoView();
    setWindowTitle(rt::StringTable::get(1401));
    for (QAction* item : {mnuView, mnuEditCopyLesson, mnuEditCutLesson, mnuEditPasteLesson, mnuFilePrint,
                          mnuFileClose, mnuFileCopy, mnuFileClassInfo})
        item->setEnabled(false);
    for (QPushButton* b : {cmdInsertSpecial, cmdScheduleLessons, cmdNextDay, cmdPrevDay})
        b->setEnabled(false);
    tabResource->setCurrentIndex(0);
    planner_.platform.cursor.setPointer(this, rt::Pointer::Default);
}

void PlanX::InitTabs() {
    // Without its registered library the window has no tab control to label.
    if (!tabObject) return;
    const qint16 n = CourseSettings.NumObjectiveTabs;
    rt::let(*tabObject, ctlTabId::TNumTabs, rt::Value::integer(qint16(n + 1)));
    rt::let(*tabObject, ctlTabId::TShowAllTab, rt::Value::boolean(true));
    const QString labels[] = {CourseSettings.ObjectiveLabel1, CourseSettings.ObjectiveLabel2,
                              CourseSettings.ObjectiveLabel3, CourseSettings.ObjectiveLabel4};
    for (qint16 k = 1; k <= 4; ++k)
        if (n > k - 1) rt::call(*tabObject, ctlTabId::SetCaption, {rt::Value::integer(k), labels[k - 1]});
    rt::call(*tabObject, ctlTabId::SetCaption, {rt::Value::integer(qint16(n + 1)), QStringLiteral("Local")});
}

// The window system disables a window without the windows it owns; a disabled Qt window would disable
// every dialog and message box shown over it as well, so its contents and menu bar are disabled instead.
void PlanX::setFormEnabled(bool enabled) {
    centralWidget()->setEnabled(enabled);
    menuBar()->setEnabled(enabled);
}

bool PlanX::formEnabled() const {
    return centralWidget()->isEnabled();
}

void PlanX::SetEnabled(bool enabled) {
    setFormEnabled(enabled);
}

void PlanX::SetMousePointer(rt::Pointer pointer) {
    planner_.platform.cursor.setPointer(this, pointer);
}

void PlanX::DisableForm() {
    setFormEnabled(false);
    for (QAction* menu : {mnuFile, mnuEdit, mnuView, mnuHelp}) menu->setEnabled(false);
    planner_.platform.cursor.setPointer(this, rt::Pointer::Hourglass);
}

void PlanX::EnableForm() {
    setFormEnabled(true);
    // The day view and the library tab enable the trees and the library options when they show them.
    for (QWidget* w : std::initializer_list<QWidget*>{pvType, pvChapter, opByType, opChapter})
        w->setEnabled(false);
    for (QAction* menu : {mnuFile, mnuEdit, mnuView, mnuHelp}) menu->setEnabled(true);
    planner_.platform.cursor.setPointer(this, rt::Pointer::Default);
}

void PlanX::FocusScheduleLessons() {
    cmdScheduleLessons->setFocus();
}

void PlanX::FocusLessonGrid() {
    dbgResources->setFocus();
}

// The close box ends the program as File > Exit does, so that the class tables do not stay linked into
// the course database.
void PlanX::closeEvent(QCloseEvent* event) {
    CommitObjectivesOnLeaving();
    runHandler([this] { ExitApplication(planner_); });
    event->accept();
}

void PlanX::runHandler(const std::function<void()>& handler) {
    const bool windowEnabled = formEnabled();
    const std::array<QAction*, 4> menus{mnuFile, mnuEdit, mnuView, mnuHelp};
    std::array<bool, 4> menusEnabled;
    for (size_t i = 0; i < menus.size(); ++i) menusEnabled[i] = menus[i]->isEnabled();
    rt::Platform& platform = planner_.platform;
    const rt::Pointer pointer = platform.cursor.pointer(this),
                      screenPointer = platform.cursor.screenPointer();
    const auto report = [&](int number, const QString& description) {
        platform.msg.show({QStringLiteral("Run-time error '%1':\r\n\r\n%2").arg(number).arg(description),
                           CourseSettings.AppTitle, rt::MbButtons::Ok, rt::MbIcon::Critical});
        setFormEnabled(windowEnabled);
        for (size_t i = 0; i < menus.size(); ++i) menus[i]->setEnabled(menusEnabled[i]);
        platform.cursor.setPointer(this, pointer);
        platform.cursor.setScreenPointer(screenPointer);
    };
    try {
        handler();
    } catch (const rt::RuntimeError& e) {
        report(e.number, e.description);
    } catch (const std::exception& e) {
        report(0, QString::fromLocal8Bit(e.what()));
    }
}

void PlanX::onClick(QAction* item, void (PlanX::*handler)()) {
    connect(item, &QAction::triggered, this,
            [this, handler] { runHandler([this, handler] { (this->*handler)(); }); });
}

void PlanX::onSet(QRadioButton* option, void (PlanX::*handler)()) {
    connect(option, &QRadioButton::toggled, this, [this, handler](bool set) {
        if (set) runHandler([this, handler] { (this->*handler)(); });
    });
}
