// The Edit menu: text through the system clipboard from and to the control with the focus, and whole
// lesson plans through the lesson clipboard.
#include "plan_x.h"

#include "controls/tab/ctlTabIds.h"
#include "planner/core/lesson_shifting.h"
#include "planner/core/planner.h"
#include "planner/core/school_days.h"
#include "planner/data/lesson_plans.h"
#include "planner/data/lesson_resources.h"
#include "planner/ui/window_helpers.h"
#include "runtime/com/control.h"
#include "runtime/com/dispatch.h"
#include "runtime/dao/in_one_transaction.h"
#include "runtime/error.h"
#include "runtime/outside/grid/bound_grid.h"
#include "runtime/outside/richtext/rich_text_box.h"
#include "runtime/outside/tree/outside_tree.h"
#include "runtime/outside/tree/tree_ids.h"
#include "runtime/strings.h"
#include "shared/course_settings.h"

#include <QLineEdit>

namespace {

enum class TextKind { None, Tabs, RichText, TextBox, Tree, Grid };

struct TextControl {
    TextKind kind = TextKind::None;
    QWidget* widget = nullptr;
};

// The control that holds the window's focus, by kind. Qt gives the focus to a part of a control (a
// tab page's text box, a tree's list, a grid's cell editor), so the parents are walked up: the
// objectives tabs, a tree and a grid own the text boxes inside them.
TextControl focusedControl(const PlanX& form) {
    const QWidget* tabs = form.tabObject;
    TextControl inner;
    for (QWidget* w = form.focusWidget(); w && w != &form; w = w->parentWidget()) {
        if (tabs && w == tabs) return {TextKind::Tabs, w};
        if (qobject_cast<rt::BoundGrid*>(w)) return {TextKind::Grid, w};
        if (qobject_cast<rt::OutsideTree*>(w)) return {TextKind::Tree, w};
        if (inner.kind != TextKind::None) continue;
        if (qobject_cast<rt::RichTextBox*>(w))
            inner = {TextKind::RichText, w};
        else if (qobject_cast<QLineEdit*>(w))
            inner = {TextKind::TextBox, w};
    }
    return inner;
}

// The caption of the tree's selected node; none when no node is selected.
QString selectedCaption(rt::OutsideTree& tree) {
    rt::Dispatch& root = objectOf(rt::get(tree, rt::pvTreeId::Branches));
    rt::Value node;
    try {
        node = rt::call(root, rt::pvNodeId::Relative,
                        {rt::Value::integer(rt::pvRelation::Selected), rt::Value::integer(0)});
    } catch (const rt::RuntimeError& e) {
        if (e.number != 91) throw;
        return {};
    }
    return rt::get(objectOf(node), rt::pvNodeId::Caption).toString();
}

QString selectedText(const TextControl& c) {
    switch (c.kind) {
    case TextKind::Tabs: return rt::get(*static_cast<rt::Control*>(c.widget), ctlTabId::SelText).toString();
    case TextKind::RichText: return static_cast<rt::RichTextBox*>(c.widget)->selText();
    case TextKind::TextBox: return static_cast<QLineEdit*>(c.widget)->selectedText();
    case TextKind::Tree: return selectedCaption(*static_cast<rt::OutsideTree*>(c.widget));
    case TextKind::Grid: return static_cast<rt::BoundGrid*>(c.widget)->currentCellText();
    case TextKind::None: break;
    }
    return {};
}

// Cut empties the selection of the text controls; a tree node or a grid cell is only copied.
void removeSelection(const TextControl& c) {
    switch (c.kind) {
    case TextKind::Tabs: rt::let(*static_cast<rt::Control*>(c.widget), ctlTabId::SelText, QString()); break;
    case TextKind::RichText: static_cast<rt::RichTextBox*>(c.widget)->setSelText(QString()); break;
    case TextKind::TextBox: static_cast<QLineEdit*>(c.widget)->insert(QString()); break;
    default: break;
    }
}

// `tabsTakePaste` is false after Ctrl+V was typed: the tabs' own text box has pasted already.
void replaceSelection(const TextControl& c, const QString& text, bool tabsTakePaste) {
    switch (c.kind) {
    case TextKind::Tabs:
        if (tabsTakePaste) rt::let(*static_cast<rt::Control*>(c.widget), ctlTabId::SelText, text);
        break;
    case TextKind::RichText: {
        auto* box = static_cast<rt::RichTextBox*>(c.widget);
        if (!box->locked()) box->setSelText(text);
        break;
    }
    case TextKind::TextBox: static_cast<QLineEdit*>(c.widget)->insert(text); break;
    case TextKind::Grid: static_cast<rt::BoundGrid*>(c.widget)->setCurrentCellText(text); break;
    default: break;
    }
}

void putOnClipboard(rt::Clipboard& clipboard, const QString& text) {
    if (text.isEmpty()) return;
    clipboard.clear();
    clipboard.setText(text);
}

} // namespace

void PlanX::mnuEditCopyText_Click() {
    putOnClipboard(planner_.platform.clipboard, selectedText(focusedControl(*this)));
}

void PlanX::mnuEditCutText_Click() {
    const TextControl c = focusedControl(*this);
    const QString text = selectedText(c);
    removeSelection(c);
    putOnClipboard(planner_.platform.clipboard, text);
}

void PlanX::mnuEditPasteText_Click() {
    const rt::Clipboard& clipboard = planner_.platform.clipboard;
    if (clipboard.hasText()) replaceSelection(focusedControl(*this), clipboard.text(), !CtrlVTyped);
    CtrlVTyped = false;
}

// A lesson command that failed stored none of its changes; the view shows the class as it is.
void PlanX::tellLessonCommandFailed(const QString& what, const rt::RuntimeError& e) {
    planner_.platform.msg.show(
        {QStringLiteral("%1\r\n\r\nError %2: %3").arg(what).arg(e.number).arg(e.description),
         CourseSettings.AppTitle, rt::MbButtons::Ok, rt::MbIcon::Exclamation});
}

// The clipboard is replaced only by a plan read whole, with every resource.
bool PlanX::copyLessonPlan() {
    QList<ResourceRecord> resources;
    try {
        ResourcesToArray(CurrentLesson.LessonPlanID, resources);
    } catch (const rt::RuntimeError& e) {
        tellLessonCommandFailed(
            QStringLiteral("The lesson plan could not be copied. The lesson clipboard keeps what it held."),
            e);
        return false;
    }
    LessonClipboard = {CurrentLesson, resources};
    mnuEditPasteLesson->setEnabled(true);
    return true;
}

void PlanX::mnuEditCopyLesson_Click() {
    CommitObjectives();
    copyLessonPlan();
}

void PlanX::mnuEditCutLesson_Click() {
    CommitObjectives();
    const qint32 d = CurrentLesson.LPDate;
    bool scheduled = false, blocked = false;
    IsLessonScheduled(AdjustForWeekend(d + 1, false), scheduled, blocked);
    const qint16 answer = scheduled ? AskDeleteLesson(planner_.dialogs, d) : 0;
    if (answer == 1 || !copyLessonPlan()) return;
    try {
        rt::inOneTransaction([&] {
            DeleteLessonPlan(CurrentLesson.LessonPlanID);
            if (answer == 2) PullLessonsBack(AdjustForWeekend(d, false));
        });
    } catch (const rt::RuntimeError& e) {
        tellLessonCommandFailed(QStringLiteral("The lesson plan could not be cut, and no plan was changed."),
                                e);
        RefreshView();
        return;
    }
    ResetLessonRecord(CurrentLesson);
    ChangeCurrentDate(d);
    RefreshView();
}

void PlanX::mnuEditPasteLesson_Click() {
    CommitObjectives();
    rt::Platform& p = planner_.platform;
    if (CurrentLesson.TreeID == -666) {
        p.msg.show({rt::StringTable::get(1566) + QStringLiteral("\r\n") + rt::StringTable::get(1567),
                    std::nullopt, rt::MbButtons::Ok});
        return;
    }
    const qint32 d = CurrentLesson.LPDate;
    qint16 answer = -1; // the day holds no plan
    if (CurrentLesson.LessonPlanID != -999) {
        answer = AskMoveDay(planner_.dialogs, d);
        if (answer == 2) return;
    }
    LessonPlanRecord work;
    try {
        // The replace or push and the new plan with its resources are stored together: the day's plan is
        // never lost without the pasted one in its place.
        rt::inOneTransaction([&] {
            if (answer == 1) {
                BlockedDays = {0};
                PushLessonsForward(d, 1);
            }
            if (answer == 0) DeleteLessonPlan(CurrentLesson.LessonPlanID);
            LessonPlanRecord pasted = LessonClipboard.Lesson;
            pasted.LPDate = d;
            AddLessonPlan(pasted);
            GetLessonPlanForDate(d, work);
            SaveResourceArray(work.LessonPlanID, LessonClipboard.Resources);
        });
    } catch (const rt::RuntimeError& e) {
        tellLessonCommandFailed(
            QStringLiteral("The lesson plan could not be pasted, and no plan was changed."), e);
        RefreshView();
        return;
    }
    CurrentLesson = work;
    RefreshView();
}

void PlanX::mnuEditMakeLesson_Click() {
    CommitObjectives();
    cmdScheduleLessons_Click();
}
