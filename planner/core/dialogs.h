#pragma once

#include <QString>
#include <memory>

// The planner's modal dialogs as their callers use them: fill the public members, show modally, read
// `Result` and the other members; destroying the dialog unloads it.

class OpenAppDialog {
public:
    virtual ~OpenAppDialog() = default;
    virtual void showModal() = 0;
    // 1 use an existing class file, 2 create a new one, 0 Cancel.
    virtual qint16 Result() const = 0;
};

class NewClassDialog {
public:
    virtual ~NewClassDialog() = default;
    virtual void showModal() = 0;
    // 2 OK, 1 "Class Calendar", 0 Cancel (also after a cancelled save dialog).
    virtual qint16 Result() const = 0;
    // The save dialog for the new class file; sets ClassFileName, or Result 0 on Cancel.
    virtual void GetFileName() = 0;
    virtual QString ClassFileName() const = 0;
    virtual QString txtTeacher() const = 0;
    virtual QString txtSubject() const = 0;
    virtual QString txtClass() const = 0;
    virtual QString txtComments() const = 0;
};

// The special-day dialog writes special days itself.
class SpecialDialog {
public:
    virtual ~SpecialDialog() = default;
    virtual void showModal() = 0;
};

class DeleteLessonDialog {
public:
    virtual ~DeleteLessonDialog() = default;
    virtual void setTargetDate(qint32 date) = 0;
    virtual void showModal() = 0;
    // 0 clear that day, 2 clear and move the following plans earlier, 1 Cancel.
    virtual qint16 Result() const = 0;
};

class MoveDayDialog {
public:
    virtual ~MoveDayDialog() = default;
    virtual void setTargetDate(qint32 date) = 0;
    virtual void showModal() = 0;
    // 0 replace, 1 insert and move the following plans later, 2 Cancel.
    virtual qint16 Result() const = 0;
};

class LanguageDialog {
public:
    virtual ~LanguageDialog() = default;
    virtual void setResourceTitle(const QString& title) = 0;
    virtual void showModal() = 0;
    // 0 Cancel, 1 English, 2 Spanish.
    virtual qint16 Result() const = 0;
};

// What to print: the current day's lesson plan, its week or its month.
class PrintOptionsDialog {
public:
    virtual ~PrintOptionsDialog() = default;
    virtual void showModal() = 0;
    // 1 OK, 2 Cancel.
    virtual qint16 Result() const = 0;
    // 0 the day's lesson plan, 1 the week view, 2 the month view.
    virtual qint16 PrintChoice() const = 0;
    // The value of chkResources(index): 1 checked, 0 not. 0 the day's printable resources, 1 every
    // lesson plan of the week, 2 every lesson plan of the month.
    virtual qint16 chkResourcesValue(int index) const = 0;
};

// The "Schedule Lessons" wizard. It writes nothing: OK fills BlockedDays and LessonQueue and hides it,
// and its caller reads the choices below before it destroys the wizard.
class ScheduleDialog {
public:
    virtual ~ScheduleDialog() = default;
    virtual void showModal() = 0;
    // 0 schedule the queued course lessons, 1 one custom lesson, 2 Cancel (also for a close by the
    // frame or Esc).
    virtual qint16 Result() const = 0;
    // The start date chosen on the calendar.
    virtual qint32 calStart() const = 0;
    // The days per lesson, as the drop-down's text.
    virtual QString cboDays() const = 0;
    // 1 when the custom lesson takes its resources from a course lesson.
    virtual qint16 Check1() const = 0;
    virtual QString txtCustTitle() const = 0;
    // The data number (TreeID) of the lesson tree's selected node.
    virtual qint32 pvtBrackwellSelected() const = 0;
};

// Creates the dialogs; the real ones are windows, tests give doubles.
class PlannerDialogs {
public:
    virtual ~PlannerDialogs() = default;
    virtual std::unique_ptr<OpenAppDialog> createOpenApp() = 0;
    virtual std::unique_ptr<NewClassDialog> createNewClass() = 0;
    virtual std::unique_ptr<SpecialDialog> createSpecial() = 0;
    virtual std::unique_ptr<DeleteLessonDialog> createDeleteLesson() = 0;
    virtual std::unique_ptr<MoveDayDialog> createMoveDay() = 0;
    virtual std::unique_ptr<LanguageDialog> createLanguage() = 0;
    virtual std::unique_ptr<PrintOptionsDialog> createPrintOptions() = 0;
    virtual std::unique_ptr<ScheduleDialog> createSchedule() = 0;
};
