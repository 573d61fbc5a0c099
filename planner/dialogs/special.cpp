#include "special.h"

#include "dialog_controls.h"
#include "planner/core/planner.h"
#include "planner/ui/window_helpers.h"
#include "resources/pictures.h"
#include "runtime/outside/calendar/month_calendar.h"
#include "runtime/strings.h"

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
}

void Special::cmdAdd_Click() {}
