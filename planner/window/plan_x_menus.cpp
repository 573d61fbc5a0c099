// The menu captions, the recently used entries and the File and Help commands.
#include "plan_x.h"

#include "planner/core/class_files.h"
#include "planner/core/mru.h"
#include "planner/core/resource_documents.h"
#include "planner/data/course_database.h"
#include "planner/dialogs/about.h"
#include "planner/dialogs/class_info.h"
#include "planner/ui/localize_control.h"
#include "runtime/error.h"
#include "runtime/program_folder.h"
#include "runtime/strings.h"
#include "runtime/text.h"
#include "shared/course_settings.h"

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>

void PlanX::LoadMenuResources() {
    for (QAction* top : menuBar()->actions()) {
        LocalizeControl(top);
        for (QAction* item : top->menu()->actions())
            if (!item->isSeparator()) LocalizeControl(item);
    }
}

void PlanX::LoadMRUs() {
    rt::SettingsStore& settings = planner_.platform.settings;
    for (qint16 n = 1; n <= 4; ++n) {
        QString title = GetMRUTitle(settings, n);
        // A name of 16 to 20 characters keeps them all and still gains the dots.
        if (title.size() > 15) title = title.left(20) + QStringLiteral("...");
        QAction* entry = mnuLRU[n - 1];
        entry->setText(title);
        if (!title.isEmpty()) {
            entry->setEnabled(true);
            entry->setVisible(true);
            mnuFileSep4->setVisible(true);
        }
        entry->setProperty(TagProperty, GetMRUFile(settings, n));
    }
}

void PlanX::mnuFileNewClass_Click() {
    if (NewClassUI(planner_)) FocusScheduleLessons();
    LoadMRUs();
}

void PlanX::mnuFileOpen_Click() {
    OpenClassDialog(planner_);
    LoadMRUs();
}

void PlanX::mnuFileClose_Click() {
    CloseClass(planner_);
}

void PlanX::mnuFileCopy_Click() {
    rt::FileDialogRequest request;
    request.defaultExt = QStringLiteral(".lkc");
    request.filter = rt::StringTable::get(102);
    request.flags =
        rt::cdl::HideReadOnly | rt::cdl::OverwritePrompt | rt::cdl::PathMustExist | rt::cdl::NoReadOnlyReturn;
    request.title = QStringLiteral("Save class file as");
    // Cancel, and any failure of the command, end it without a word.
    try {
        QString name;
        for (;;) {
            const rt::FileDialogResult chosen = planner_.platform.dialogs.showSave(request);
            rt::throwIfCancelled(chosen);
            name = chosen.path;
            if (name.isEmpty()) continue;
            if (!name.contains(u';')) break;
            planner_.platform.msg.show({QStringLiteral("Semi-colons are not allowed in class filenames.\r\n"
                                                       "Please choose another name."),
                                        CourseSettings.AppTitle, rt::MbButtons::Ok, rt::MbIcon::Information});
        }
        CopyClass(planner_, name);
        RefreshView();
    } catch (const rt::RuntimeError&) {
    }
}

void PlanX::mnuFileClassInfo_Click() {
    ClassInfo dialog(this);
    dialog.Protected = false;
    rt::Recordset rs = CourseDB.openTable(QStringLiteral("Class"));
    rs.moveFirst();
    const auto text = [&rs](const char* field) {
        const rt::Value v = rs.field(field);
        return v.isNull() ? QString() : rt::trimSpaces(v.toString());
    };
    dialog.txtTeacher()->setText(text("Teacher"));
    dialog.txtSubject()->setText(text("Subject"));
    dialog.txtClass()->setText(text("Period"));
    dialog.txtComments()->setPlainText(text("Comments"));
    dialog.showModal();
    if (dialog.Result() == 1) {
        ClassTeacher = rt::trimSpaces(dialog.txtTeacher()->text());
        ClassSubject = rt::trimSpaces(dialog.txtSubject()->text());
        ClassPeriod = rt::trimSpaces(dialog.txtClass()->text());
        ClassComments = rt::trimSpaces(dialog.txtComments()->toPlainText());
        rs.edit();
        rs.setField("Teacher", ClassTeacher);
        rs.setField("Subject", ClassSubject);
        rs.setField("Period", ClassPeriod);
        rs.setField("Comments", ClassComments);
        rs.update();
    }
    rs.close();
    RefreshView();
}

void PlanX::mnuLRU_Click(qint16 n) {
    OpenClassFile(planner_, GetMRUFile(planner_.platform.settings, n));
}

void PlanX::mnuFileExit_Click() {
    CommitObjectivesOnLeaving();
    ExitApplication(planner_);
}

void PlanX::mnuHelpTopics_Click() {
    const char* document = opDayView->isChecked()     ? "day.pdf"
                           : opWeekView->isChecked()  ? "week.pdf"
                           : opMonthView->isChecked() ? "Month.pdf"
                                                      : "General.pdf";
    OpenDocument(planner_, rt::programFolder() + u'/' + QLatin1String(document));
}

void PlanX::mnuPacing_Click() {
    OpenDocument(planner_, rt::programFolder() + QStringLiteral("/pacinggd.pdf"));
}

void PlanX::mnuHelpTutorial_Click() {
    LaunchGuidedTour(planner_);
}

void PlanX::mnuHelpWeb_Click() {
    rt::MessageBox& msg = planner_.platform.msg;
    const QString title = QStringLiteral("Internet Connection");
    if (msg.show({QStringLiteral("You must have a browser installed and be connected to the Internet."),
                  title, rt::MbButtons::OkCancel}) != rt::MbAnswer::Ok)
        return;
    if (planner_.platform.shell.execute(QStringLiteral("open"), CourseSettings.HelpURL, QString(),
                                        rt::programFolder(), 1) < 33)
        msg.show({QStringLiteral("Browser not configured."), title});
}

void PlanX::mnuHelpAbout_Click() {
    frmAbout::showAbout(this);
}
