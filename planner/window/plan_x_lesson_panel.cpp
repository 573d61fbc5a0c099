// The lesson panel of the day view: its controls, the two grids bound to the plan and to the course
// resources not in it, the details pane, the objective tabs and the window's key preview.
#include "plan_x.h"
#include "plan_x_design.h"

#include "controls/tab/ctlTabIds.h"
#include "planner/core/planner.h"
#include "planner/data/course_database.h"
#include "planner/data/lesson_plans.h"
#include "planner/data/lesson_resources.h"
#include "planner/dialogs/dialog_controls.h"
#include "resources/pictures.h"
#include "runtime/com/component_registry.h"
#include "runtime/com/control.h"
#include "runtime/com/twips.h"
#include "runtime/error.h"
#include "runtime/outside/richtext/rich_text_box.h"
#include "shared/course_settings.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

QPushButton* button(QWidget* parent, const char* name, const char* caption, int index = -1) {
    auto* b = designed<QPushButton>(parent, name);
    b->setText(QLatin1String(caption));
    if (index >= 0) b->setProperty("Index", index); // an element of a control array
    return b;
}

// Controls side by side at a place of the view, each as wide as its text; the first takes the spare
// width, or, given as none, leaves it empty on the left.
void controlRow(QWidget* parent, int left, int top, int width, std::initializer_list<QWidget*> controls) {
    auto* strip = new QWidget(parent);
    place(strip, left, top, width, 420);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : controls) {
        if (w)
            row->addWidget(w, row->count() == 0 ? 1 : 0);
        else
            row->addStretch();
    }
}

// Minutes in two digits; a value below 0 (a course resource without minutes) shows `belowZero`.
QString minutesText(double minutes, const QString& belowZero) {
    return minutes < 0 ? belowZero : QStringLiteral("%1").arg(qint64(minutes), 2, 10, QChar(u'0'));
}

std::function<QString(const rt::Value&)> minutesFormat(const QString& belowZero) {
    return [belowZero](const rt::Value& v) {
        return v.isNull() ? QString() : minutesText(v.toDouble(), belowZero);
    };
}

bool within(const QWidget* control, const QWidget* w) {
    return control && w && (w == control || control->isAncestorOf(w));
}

} // namespace

void PlanX::makeLessonPanel() {
    picSummary = designed<QWidget>(picDayView, "picSummary");
    place(picSummary, 45, 1470, 4605, 4125);
    dbgResources = designed<rt::BoundGrid>(picSummary, "dbgResources");
    place(dbgResources, 0, 0, 4605, 2145);
    lblTime = designed<QLabel>(picSummary, "lblTime");
    cmdView[1] = button(picSummary, "cmdView", "View", 1);
    cmdNewResource = button(picSummary, "cmdNewResource", "New Resource");
    controlRow(picSummary, 0, 2175, 4605, {lblTime, cmdView[1], cmdNewResource});

    picDetails = designed<QWidget>(picDayView, "picDetails");
    place(picDetails, 45, 1470, 4605, 4125);
    picDetails->hide();
    rtbDetails = designed<rt::RichTextBox>(picDetails, "rtbDetails");
    (new QVBoxLayout(picDetails))->addWidget(rtbDetails);
    picDetails->layout()->setContentsMargins(0, 0, 0, 0);

    // The browser lies on the trees' place; the resource tab's pages switch between them.
    dbgAdditional = designed<rt::BoundGrid>(picDayView, "dbgAdditional");
    place(dbgAdditional, 5055, 405, 4410, 4800);
    cmdView[0] = button(picDayView, "cmdView", "View", 0);
    cmdDescription = button(picDayView, "cmdDescription", "Description");
    controlRow(picDayView, 5055, 5640, 4410, {nullptr, cmdView[0], cmdDescription});

    for (QPushButton* b : {cmdLeft, cmdRight, cmdUp, cmdDown, cmdView[0], cmdView[1], cmdDescription})
        b->setEnabled(false);
    dbgResources->setDataSource(datResources);
    dbgAdditional->setDataSource(datAdditional);
    for (rt::BoundGrid* grid : {dbgResources, dbgAdditional})
        grid->setDragIcon(rt::Pictures::imageListPicture(QStringLiteral("DragMove")));
    InitGrids();
    makeObjectiveTabs();
    connectLessonPanel();
}

// The tab control comes from its registered library; without it the window runs without tabs.
void PlanX::makeObjectiveTabs() {
    runHandler([this] {
        tabObject = components_.create(QStringLiteral("CVTab.ctlTab"), picSummary);
        tabObject->setObjectName(QStringLiteral("tabObject"));
        place(tabObject, 0, 2625, 4605, 1500);
        // The teacher types the plan's objectives into its pages.
        rt::let(*tabObject, ctlTabId::TEditable, rt::Value::boolean(true));
        // A control just placed holds TEnabled False though it takes input; enabling it in the design
        // makes the two agree, so that the first day without a plan really disables it.
        rt::let(*tabObject, ctlTabId::TEnabled, rt::Value::boolean(true));
        connect(
            tabObject, &rt::Control::raised, this,
            [this](int event, rt::Args&) {
                if (event == ctlTabId::ObjectiveDirty) ObjectivesDirty = true;
            },
            Qt::DirectConnection);
    });
}

// The heading rows' look (bold title, no minutes) in both grids.
void PlanX::InitGrids() {
    for (rt::BoundGrid* grid : {dbgResources, dbgAdditional})
        grid->setHeaderRowField(QStringLiteral("Header"));
}

void PlanX::connectLessonPanel() {
    const auto onButton = [this](QPushButton* b, void (PlanX::*handler)()) {
        connect(b, &QPushButton::clicked, this,
                [this, handler] { runHandler([this, handler] { (this->*handler)(); }); });
    };
    onButton(cmdLeft, &PlanX::cmdLeft_Click);
    onButton(cmdRight, &PlanX::cmdRight_Click);
    onButton(cmdUp, &PlanX::cmdUp_Click);
    onButton(cmdDown, &PlanX::cmdDown_Click);
    onButton(cmdView[0], &PlanX::cmdView_Click);
    onButton(cmdView[1], &PlanX::cmdView_Click);
    onButton(cmdDescription, &PlanX::cmdDescription_Click);
    onButton(cmdNewResource, &PlanX::cmdNewResource_Click);
    onButton(cmdInsertSpecial, &PlanX::cmdInsertSpecial_Click);

    const auto handle = [this](auto&& f) {
        return [this, f](auto&&... args) { runHandler([&] { f(args...); }); };
    };
    connect(dbgResources, &rt::BoundGrid::gotFocus, this, handle([this] { dbgResources_GotFocus(); }));
    connect(dbgResources, &rt::BoundGrid::rowColChange, this,
            handle([this] { dbgResources_RowColChange(); }));
    connect(dbgAdditional, &rt::BoundGrid::gotFocus, this, handle([this] { dbgAdditional_GotFocus(); }));
    connect(dbgAdditional, &rt::BoundGrid::rowColChange, this,
            handle([this] { dbgAdditional_RowColChange(); }));
    for (rt::BoundGrid* grid : {dbgResources, dbgAdditional}) {
        connect(grid, &rt::BoundGrid::lostFocus, &focusEvents_, [this, grid] { grid_LostFocus(grid); });
        connect(grid, &rt::BoundGrid::dragCell, this,
                handle([this, grid](int bm) { grid_DragCell(grid, bm); }));
    }
    connect(dbgResources, &rt::BoundGrid::dblClick, this, handle([this] { dbgResources_DblClick(); }));
    connect(dbgAdditional, &rt::BoundGrid::dblClick, this, handle([this] { dbgAdditional_DblClick(); }));
    connect(dbgResources, &rt::BoundGrid::dragDrop, this,
            handle([this](const QString& source) { dbgResources_DragDrop(source); }));
    connect(dbgAdditional, &rt::BoundGrid::dragDrop, this,
            handle([this](const QString& source) { dbgAdditional_DragDrop(source); }));
    connect(
        dbgResources, &rt::BoundGrid::keyPress, this, [this](rt::Args& k) { dbgResources_KeyPress(k); },
        Qt::DirectConnection);
    connect(
        dbgResources, &rt::BoundGrid::beforeColEdit, this,
        [this](int column, qint16 key, bool& cancel) { dbgResources_BeforeColEdit(column, key, cancel); },
        Qt::DirectConnection);
    connect(
        dbgResources, &rt::BoundGrid::afterColEdit, this,
        [this](int column) { runHandler([&] { dbgResources_AfterColEdit(column); }); }, Qt::DirectConnection);
    connect(dbgResources, &rt::BoundGrid::afterUpdate, this, handle([this] { dbgResources_AfterUpdate(); }));
    // A write the file or the field's type refuses is told; the old value stays.
    connect(dbgResources, &rt::BoundGrid::error, this, [this](const rt::RuntimeError& e) {
        planner_.platform.msg.show(
            {e.description, CourseSettings.AppTitle, rt::MbButtons::Ok, rt::MbIcon::Exclamation});
    });
    connect(qApp, &QApplication::focusChanged, &focusEvents_,
            [this](QWidget* old, QWidget* now) { followTextFocus(old, now); });
    qApp->installEventFilter(this);
}

void PlanX::LoadLessonResources(const LessonPlanRecord& rec) {
    // Without an open class there are no plans to bind to (the views can be shown by code alone).
    if (ClassFilePath.isEmpty()) return;
    const QString lessonPlan = QString::number(rec.LessonPlanID);
    datResources.bind(CourseDB,
                      QStringLiteral("SELECT ResourceID, Title, Duration, Header, SortOrder, Descript, "
                                     "LessonItemID FROM LessonResources WHERE LessonPlanID=") +
                          lessonPlan + QStringLiteral(" ORDER BY SortOrder"));
    LessonGridClone = datResources.clone();
    if (LessonGridClone.recordCount() != 0) {
        LessonGridClone.moveFirst();
        LessonFirstBookmark = LessonGridClone.bookmark();
        LessonGridClone.moveLast();
        LessonLastBookmark = LessonGridClone.bookmark();
    }
    dbgResources->setColumns(
        {{QStringLiteral("ResourceID"), 0, false, false, {}},
         {QStringLiteral("Title"), 3850, true, false, {}},
         {QStringLiteral("Duration"), 365, true, true, minutesFormat(QStringLiteral("0"))},
         {QStringLiteral("Header"), 0, false, false, {}},
         {QStringLiteral("SortOrder"), 0, false, false, {}},
         {QStringLiteral("Descript"), 0, false, false, {}},
         {QStringLiteral("LessonItemID"), 0, false, false, {}}});
    dbgResources->setRowHeightTwips(0);
    dbgResources->setRowHeightTwips(dbgResources->rowHeightTwips() * 2);

    datAdditional.bind(
        CourseDB, QStringLiteral("SELECT ResourceID, Title, Duration, Header FROM Resources WHERE (TreeID=") +
                      QString::number(rec.TreeID) +
                      QStringLiteral(") AND (ResourceID NOT IN (SELECT ResourceID FROM "
                                     "LessonResources WHERE LessonPlanID=") +
                      lessonPlan + QStringLiteral(")) ORDER BY SortOrder"));
    BrowserGridClone = datAdditional.clone();
    if (BrowserGridClone.recordCount() == 0) {
        cmdDescription->setEnabled(false);
        cmdView[0]->setEnabled(false);
    }
    dbgAdditional->setColumns({{QStringLiteral("ResourceID"), 0, false, false, {}},
                               {QStringLiteral("Title"), 3650, true, false, {}},
                               {QStringLiteral("Duration"), 350, true, false, minutesFormat(QString())},
                               {QStringLiteral("Header"), 0, false, false, {}}});
    dbgAdditional->setRowHeightTwips(0);
    dbgAdditional->setRowHeightTwips(dbgAdditional->rowHeightTwips() * 2);
    showLessonTime();
    LoadDetails();
}

void PlanX::showObjectiveTabs() {
    if (!tabObject) return;
    // Composing the All page raises ObjectiveDirty; texts just read from the plan are nothing typed.
    const bool typed = ObjectivesDirty;
    const qint16 n = CourseSettings.NumObjectiveTabs;
    const rt::Value* objectives[] = {&CurrentLesson.Objective1, &CurrentLesson.Objective2,
                                     &CurrentLesson.Objective3, &CurrentLesson.Objective4};
    for (qint16 k = 1; k <= 4; ++k)
        if (n >= k) rt::call(*tabObject, ctlTabId::SetText, {rt::Value::integer(k), *objectives[k - 1]});
    rt::call(*tabObject, ctlTabId::SetText, {rt::Value::integer(qint16(n + 1)), CurrentLesson.Objective5});
    rt::call(*tabObject, ctlTabId::BuildAllTab);
    ObjectivesDirty = typed;
}

void PlanX::enableLessonInput(bool enabled) {
    if (tabObject) rt::let(*tabObject, ctlTabId::TEnabled, rt::Value::boolean(enabled));
    cmdNewResource->setEnabled(enabled);
}

void PlanX::showLessonTime() {
    lblTime->setText(GetLessonTime(CurrentLesson.LessonPlanID) + QStringLiteral(" minutes"));
}

// The plan as text: each resource's title in bold with its minutes at a tab stop and its description
// below; a heading is a bold line of its own. A Null title reads as empty, a Null header as no heading.
void PlanX::LoadDetails() {
    rt::RichTextBox& pane = *rtbDetails;
    const auto toEnd = [&pane] { pane.setSelStart(int(pane.text().size())); };
    pane.setSelection(0, int(pane.text().size()));
    pane.setSelText(QString());
    rt::Recordset rows = datResources.clone();
    if (rows.recordCount() != 0) {
        for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
            const QString title = rows.field("Title").isNull() ? QString() : rows.field("Title").toString();
            const rt::Value duration = rows.field("Duration");
            const double minutes = duration.isNull() ? 0 : double(qint64(rt::Val(duration.toString())));
            const QString descript =
                rows.field("Descript").isNull() ? QString() : rows.field("Descript").toString();
            const rt::Value header = rows.field("Header");
            pane.setSelTabs({8150});
            toEnd();
            pane.setSelBold(true);
            if (!header.isNull() && header.toBool()) {
                pane.setSelText(title + QStringLiteral("\r\n"));
                continue;
            }
            pane.setSelText(title);
            pane.setSelBold(false);
            toEnd();
            pane.setSelText(minutes < 0 ? QStringLiteral("\r\n")
                                        : u'\t' + minutesText(minutes, {}) + QStringLiteral(" mins.\r\n"));
            toEnd();
            pane.setSelIndent(0);
            toEnd();
            pane.setSelText(descript + QStringLiteral("\r\n\r\n"));
        }
    }
    pane.setSelStart(1);
    pane.setSelLength(0);
}

// The text controls' focus events, the old control's loss before the new one's gain. The tab control's
// are those of the whole control: moving between its pages and tabs is neither.
void PlanX::followTextFocus(QWidget* old, QWidget* now) {
    if (!now) return;
    const bool wasIn = within(tabObject, old), isIn = within(tabObject, now);
    if (wasIn && !isIn) runHandler([this] { tabObject_LostFocus(); });
    if (!wasIn && isIn) runHandler([this] { tabObject_GotFocus(); });
    if (now == rtbDetails) LastTextControl = rtbDetails;
}

void PlanX::tabObject_GotFocus() {
    LastTextControl = tabObject;
    for (QAction* item : {mnuEditCopyText, mnuEditCutText, mnuEditPasteText}) item->setEnabled(true);
}

void PlanX::tabObject_LostFocus() {
    if (ClassFilePath.isEmpty()) return;
    ReadObjectiveTabs(CurrentLesson);
    UpdateLessonObjectives(CurrentLesson);
    for (QAction* item : {mnuEditCopyText, mnuEditCutText, mnuEditPasteText}) item->setEnabled(false);
    LastTextControl = tabObject;
}

// Ctrl+V is no paste into the lesson grid; elsewhere the Edit menu's paste learns that it was typed.
bool PlanX::Form_KeyPress(qint16& keyAscii) {
    if (keyAscii == 22) {
        if (within(dbgResources, QApplication::focusWidget()))
            keyAscii = 0;
        else
            CtrlVTyped = true;
    } else {
        CtrlVTyped = false;
    }
    return keyAscii == 0;
}

bool PlanX::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto* target = static_cast<QWidget*>(watched);
    // Each key reaches the filter once, at the widget it is sent to.
    if (target->window() != this || target != QApplication::focusWidget()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->text().isEmpty() && !(key->modifiers() & Qt::ControlModifier)) return false;
    qint16 keyAscii =
        key->modifiers() & Qt::ControlModifier && key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z
            ? qint16(key->key() - Qt::Key_A + 1)
            : qint16(key->text().isEmpty() ? 0 : key->text().at(0).unicode());
    if (keyAscii == 0) return false;
    return Form_KeyPress(keyAscii);
}
