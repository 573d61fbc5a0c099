#include "special.h"

#include "dialog_controls.h"
#include "planner/core/date_captions.h"
#include "planner/core/lesson_shifting.h"
#include "planner/core/planner.h"
#include "planner/core/school_days.h"
#include "planner/data/lesson_plans.h"
#include "planner/ui/window_helpers.h"
#include "resources/pictures.h"
#include "runtime/error.h"
#include "runtime/message_box.h"
#include "runtime/outside/calendar/calendar_ids.h"
#include "runtime/outside/calendar/month_calendar.h"
#include "runtime/strings.h"
#include "shared/course_settings.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

void FillTypes(QComboBox* types) {
    types->addItems({QStringLiteral("Assembly"), QStringLiteral("Field Trip"), QStringLiteral("Holiday"),
                     QStringLiteral("Professional Day"), QStringLiteral("Vacation"),
                     QStringLiteral("Weather Day"), QStringLiteral("Other")});
    types->setCurrentIndex(0);
}

} // namespace

Special::Special(rt::MessageBox& msg, PlannerDialogs& dialogs, QWidget* parent)
    : ModalDialog(0, parent), msg_(msg), dialogs_(dialogs) {
    setWindowTitle(rt::StringTable::get(2300));
    setWindowIcon(rt::Pictures::icon(1101));
    SSMonth1 = designed<rt::MonthCalendar>(this, "SSMonth1");
    QLabel* Label1[] = {designed<QLabel>(this, "Label1", 2301), designed<QLabel>(this, "Label1", 2302),
                        designed<QLabel>(this, "Label1", 2303)};
    cboSpecial = designed<QComboBox>(this, "cboSpecial");
    Text1 = designed<QLineEdit>(this, "Text1");
    auto* cmdAdd = designed<QPushButton>(this, "cmdAdd", 2304);
    auto* cmdClose = designed<QPushButton>(this, "cmdClose", 2305);
    auto* cmdHelp = designed<QPushButton>(this, "cmdHelp");
    cmdHelp->setText(QStringLiteral("&Help"));
    localizeControls({cmdAdd, cmdClose, Label1[0], Label1[1], Label1[2]});

    FillTypes(cboSpecial);
    DisableCalendarWeekends(*SSMonth1);
    SSMonth1->setDate(CurrentLesson.LPDate);
    Text1->setMaxLength(100);

    auto* layout = new QFormLayout(this);
    layout->addRow(Label1[0]);
    layout->addRow(SSMonth1);
    layout->addRow(Label1[1], cboSpecial);
    layout->addRow(Label1[2], Text1);
    layout->addRow(buttonRow(this, {{cmdAdd, QDialogButtonBox::AcceptRole},
                                    {cmdClose, QDialogButtonBox::RejectRole},
                                    {cmdHelp, QDialogButtonBox::HelpRole}}));

    connect(cmdAdd, &QPushButton::clicked, this, &Special::cmdAdd_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);
    connect(cmdHelp, &QPushButton::clicked, this, [this] {
        if (onHelp) onHelp();
    });
}

void Special::cmdAdd_Click() {
    try {
        const qint32 d = rt::get(*SSMonth1, rt::ssMonthId::Date).toDate();
        const QString type = cboSpecial->currentText(), comment = Text1->text();
        bool scheduled = false, blocked = false;
        IsLessonScheduled(d, scheduled, blocked);
        if (blocked) {
            msg_.show({"There is already a special day on " + FormatDate(d, "dddd, mmmm dd") +
                           ". Please remove it before adding another on the same day.",
                       CourseSettings.AppTitle});
            return;
        }
        if (scheduled) {
            switch (AskMoveDay(dialogs_, d)) {
            case 1:
                BlockedDays = {0};
                PushLessonsForward(d, 1);
                break;
            case 0: {
                LessonPlanRecord plan;
                ResetLessonRecord(plan);
                GetLessonPlanForDate(d, plan);
                DeleteLessonPlan(plan.LessonPlanID);
                break;
            }
            default: return;
            }
        }
        AddSpecialDay(d, type, comment);
        msg_.show({QStringLiteral("Special Day has been inserted."), QStringLiteral("Special Day")});
    } catch (const rt::RuntimeError& e) {
        // A failed write leaves the dialog open with the class as the failure left it, and says why.
        msg_.show({"The special day could not be inserted: " + e.description, CourseSettings.AppTitle,
                   rt::MbButtons::Ok, rt::MbIcon::Exclamation});
    }
}
