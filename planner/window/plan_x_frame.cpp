// The window's design: its controls with their names, design-time string numbers and places, and the
// menu bar with each item's design-time state.
#include "plan_x.h"
#include "plan_x_design.h"

#include "planner/core/planner.h"
#include "planner/dialogs/dialog_controls.h"
#include "runtime/com/olecolor.h"
#include "runtime/com/twips.h"
#include "runtime/outside/tree/outside_tree.h"
#include "runtime/report/own_report_engine.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

void place(QWidget* w, int left, int top, int width, int height) {
    using rt::twips::toPx;
    w->setGeometry(toPx(left), toPx(top), toPx(width), toPx(height));
}

namespace {

QWidget* picture(QWidget* form, const char* name) {
    auto* pic = designed<QWidget>(form, name);
    pic->setAutoFillBackground(true);
    return pic;
}

// Each page's caption names what it shows, so that a teacher finds it.
QTabBar* tabStrip(QWidget* parent, const char* name, const char* first, const char* second) {
    auto* tabs = designed<QTabBar>(parent, name);
    tabs->addTab(QLatin1String(first));
    tabs->addTab(QLatin1String(second));
    return tabs;
}

} // namespace

PlanX::PlanX(Planner& planner, rt::ComponentRegistry& components)
    : CrystalReport1(std::make_unique<rt::OwnReportEngine>(planner.platform.printers)), planner_(planner),
      components_(components), formBackColor_(rt::olecolor::buttonFace) {
    setObjectName(QStringLiteral("PlanX"));
    makeFrame();
    makeCalendarViews();
    makeMenus();
    makeLessonPanel();
    makeBrowser();
    Form_Load();
}

void PlanX::makeFrame() {
    auto* form = new QWidget(this);
    setCentralWidget(form);

    // The strip above the views: the view options and the day-by-day buttons.
    auto* strip = new QWidget(form);
    place(strip, 0, 0, 9510, 420);
    opDayView = designed<QRadioButton>(strip, "opDayView", 1402);
    opWeekView = designed<QRadioButton>(strip, "opWeekView", 1403);
    opMonthView = designed<QRadioButton>(strip, "opMonthView", 1404);
    cmdPrevDay = designed<QPushButton>(strip, "cmdPrevDay", 1408);
    cmdNextDay = designed<QPushButton>(strip, "cmdNextDay", 1409);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(4, 0, 4, 0);
    for (QWidget* w : {opDayView, opWeekView, opMonthView}) row->addWidget(w);
    row->addStretch();
    for (QWidget* w : {cmdPrevDay, cmdNextDay}) row->addWidget(w);
    onSet(opDayView, &PlanX::opDayView_Click);
    onSet(opWeekView, &PlanX::opWeekView_Click);
    onSet(opMonthView, &PlanX::opMonthView_Click);

    // The four views lie on one rectangle; Form_Load moves them there.
    picNoView = picture(form, "picNoView");
    picDayView = picture(form, "picDayView");
    picWeekView = picture(form, "picWeekView");
    picMonthView = picture(form, "picMonthView");

    // The day view's lesson tabs on the left and the resource browser on the right.
    // From the top of the view, so that tabs as tall as their captions need end above what lies below.
    tabLesson = tabStrip(picDayView, "tabLesson", "Summary", "Details");
    place(tabLesson, 45, 0, 4605, 405);
    tabResource = tabStrip(picDayView, "tabResource", "Resources", "Library");
    place(tabResource, 5055, 0, 4410, 405);
    pvChapter = designed<rt::OutsideTree>(picDayView, "pvChapter");
    pvType = designed<rt::OutsideTree>(picDayView, "pvType");
    for (rt::OutsideTree* tree : {pvChapter, pvType}) place(tree, 5055, 405, 4410, 4800);
    opChapter = designed<QRadioButton>(picDayView, "opChapter");
    opChapter->setText(QStringLiteral("Chapter"));
    opByType = designed<QRadioButton>(picDayView, "opByType");
    opByType->setText(QStringLiteral("By Type"));
    place(opChapter, 5055, 5280, 2160, 360);
    place(opByType, 7305, 5280, 2160, 360);

    // The lesson panel's buttons for the calendar: a special day, the scheduling of course lessons.
    auto* calendarButtons = new QWidget(picDayView);
    place(calendarButtons, 45, 5640, 4605, 420);
    cmdInsertSpecial = designed<QPushButton>(calendarButtons, "cmdInsertSpecial", 1407);
    cmdScheduleLessons = designed<QPushButton>(calendarButtons, "cmdScheduleLessons", 1406);
    auto* buttonRow = new QHBoxLayout(calendarButtons);
    buttonRow->setContentsMargins(0, 0, 0, 0);
    buttonRow->addWidget(cmdInsertSpecial);
    buttonRow->addWidget(cmdScheduleLessons);
    buttonRow->addStretch();
    connect(cmdScheduleLessons, &QPushButton::clicked, this,
            [this] { runHandler([this] { cmdScheduleLessons_Click(); }); });
    for (QPushButton* b : {cmdInsertSpecial, cmdScheduleLessons, cmdPrevDay, cmdNextDay})
        b->setEnabled(false);

    // The arrows between the lesson grid and the browser.
    cmdLeft = designed<QPushButton>(picDayView, "cmdLeft");
    cmdRight = designed<QPushButton>(picDayView, "cmdRight");
    cmdUp = designed<QPushButton>(picDayView, "cmdUp");
    cmdDown = designed<QPushButton>(picDayView, "cmdDown");
    int top = 1500;
    for (QPushButton* b : {cmdLeft, cmdRight, cmdUp, cmdDown}) {
        place(b, 4695, top, 330, 330);
        top += 450;
    }
}

QAction* PlanX::menuItem(QMenu* menu, const char* name, int number, void (PlanX::*handler)()) {
    QAction* item = number ? menu->addAction(QString::number(number)) : menu->addSeparator();
    item->setObjectName(QLatin1String(name));
    if (handler) onClick(item, handler);
    return item;
}

void PlanX::makeMenus() {
    const auto topMenu = [this](const char* name, int number) {
        QMenu* menu = menuBar()->addMenu(QString::number(number));
        menu->menuAction()->setObjectName(QLatin1String(name));
        return menu;
    };

    QMenu* file = topMenu("mnuFile", 1501);
    mnuFile = file->menuAction();
    mnuFileNewClass = menuItem(file, "mnuFileNewClass", 1502, &PlanX::mnuFileNewClass_Click);
    mnuFileOpen = menuItem(file, "mnuFileOpen", 1503, &PlanX::mnuFileOpen_Click);
    mnuFileClose = menuItem(file, "mnuFileClose", 1504, &PlanX::mnuFileClose_Click);
    mnuFileCopy = menuItem(file, "mnuFileCopy", 1505, &PlanX::mnuFileCopy_Click);
    mnuFileSep1 = menuItem(file, "mnuFileSep1", 0);
    mnuFileClassInfo = menuItem(file, "mnuFileClassInfo", 1506, &PlanX::mnuFileClassInfo_Click);
    mnuFileSep2 = menuItem(file, "mnuFileSep2", 0);
    mnuFilePrint = menuItem(file, "mnuFilePrint", 1507, &PlanX::mnuFilePrint_Click);
    mnuFileSep3 = menuItem(file, "mnuFileSep3", 0);
    for (qint16 n = 1; n <= 4; ++n) {
        QAction* entry = menuItem(file, QStringLiteral("mnuLRU%1").arg(n).toLatin1().constData(), 1510);
        connect(entry, &QAction::triggered, this, [this, n] { runHandler([this, n] { mnuLRU_Click(n); }); });
        entry->setEnabled(false);
        entry->setVisible(false);
        mnuLRU[n - 1] = entry;
    }
    mnuFileSep4 = menuItem(file, "mnuFileSep4", 0);
    mnuFileSep4->setVisible(false);
    mnuFileExit = menuItem(file, "mnuFileExit", 1508, &PlanX::mnuFileExit_Click);
    for (QAction* item : {mnuFileClose, mnuFileCopy, mnuFileClassInfo, mnuFilePrint}) item->setEnabled(false);

    // The Edit menu's commands work on the lesson panel and the text controls.
    QMenu* edit = topMenu("mnuEdit", 1520);
    mnuEdit = edit->menuAction();
    mnuEditCutText = menuItem(edit, "mnuEditCutText", 1521, &PlanX::mnuEditCutText_Click);
    mnuEditCutText->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    mnuEditCopyText = menuItem(edit, "mnuEditCopyText", 1522, &PlanX::mnuEditCopyText_Click);
    mnuEditCopyText->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuEditPasteText = menuItem(edit, "mnuEditPasteText", 1523, &PlanX::mnuEditPasteText_Click);
    mnuEditPasteText->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    mnuEditSep1 = menuItem(edit, "mnuEditSep1", 0);
    mnuEditCutLesson = menuItem(edit, "mnuEditCutLesson", 1524, &PlanX::mnuEditCutLesson_Click);
    mnuEditCopyLesson = menuItem(edit, "mnuEditCopyLesson", 1525, &PlanX::mnuEditCopyLesson_Click);
    mnuEditPasteLesson = menuItem(edit, "mnuEditPasteLesson", 1526, &PlanX::mnuEditPasteLesson_Click);
    mnuEditSep2 = menuItem(edit, "mnuEditSep2", 0);
    mnuEditMakeLesson = menuItem(edit, "mnuEditMakeLesson", 1527, &PlanX::mnuEditMakeLesson_Click);
    for (QAction* item : {mnuEditCutLesson, mnuEditCopyLesson, mnuEditPasteLesson}) item->setEnabled(false);

    QMenu* view = topMenu("mnuView", 1540);
    mnuView = view->menuAction();
    mnuView->setEnabled(false);
    mnuViewDay = menuItem(view, "mnuViewDay", 1541, &PlanX::mnuViewDay_Click);
    mnuViewWeek = menuItem(view, "mnuViewWeek", 1542, &PlanX::mnuViewWeek_Click);
    mnuViewMonth = menuItem(view, "mnuViewMonth", 1543, &PlanX::mnuViewMonth_Click);

    QMenu* help = topMenu("mnuHelp", 1560);
    mnuHelp = help->menuAction();
    mnuHelpTopics = menuItem(help, "mnuHelpTopics", 1561, &PlanX::mnuHelpTopics_Click);
    mnuPacing = menuItem(help, "mnuPacing", 1565, &PlanX::mnuPacing_Click);
    mnuHelpTutorial = menuItem(help, "mnuHelpTutorial", 1562, &PlanX::mnuHelpTutorial_Click);
    mnuHelpWeb = menuItem(help, "mnuHelpWeb", 1563, &PlanX::mnuHelpWeb_Click);
    mnuHelpSep1 = menuItem(help, "mnuHelpSep1", 0);
    mnuHelpAbout = menuItem(help, "mnuHelpAbout", 1564, &PlanX::mnuHelpAbout_Click);
}
