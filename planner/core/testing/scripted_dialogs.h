#pragma once

#include "planner/core/dialogs.h"
#include "planner/core/school_days.h"

#include <QStringList>
#include <array>
#include <deque>
#include <functional>

// Dialog doubles that answer from a script and log what was shown ("OpenApp", "NewClass", "Special", ...).
class ScriptedDialogs : public PlannerDialogs {
public:
    struct NewClassScript {
        qint16 result = 0;           // the dialog's own Result
        qint16 afterGetFileName = 2; // Result after the save dialog (0: cancelled)
        QString fileName;
        QString teacher, subject, period, comments;
    };
    struct PrintOptionsScript {
        qint16 result = 1; // OK
        qint16 choice = 0;
        std::array<qint16, 3> resources{};
    };
    // The wizard's answer; OK (0 or 1) fills BlockedDays and LessonQueue as the wizard does.
    struct ScheduleScript {
        qint16 result = 2;
        qint32 start = 0;
        QString days = QStringLiteral("1");
        QList<qint32> lessons;  // the queued course lessons (TreeIDs), in order
        QList<qint32> excluded; // the days left out; none gives one zero date
        QString title;          // a custom lesson's
        qint16 check1 = 0;
        qint32 resourcesFrom = 0; // the tree's selected lesson
    };

    std::unique_ptr<OpenAppDialog> createOpenApp() override {
        log << "OpenApp";
        return std::make_unique<OpenApp>(openAppResult);
    }
    std::unique_ptr<NewClassDialog> createNewClass() override {
        log << "NewClass";
        return std::make_unique<NewClass>(newClass, log);
    }
    std::unique_ptr<SpecialDialog> createSpecial() override {
        log << "Special";
        return std::make_unique<Special>(onSpecial);
    }
    std::unique_ptr<DeleteLessonDialog> createDeleteLesson() override {
        log << "DeleteLesson";
        return std::make_unique<Answering<DeleteLessonDialog>>(next(deleteLessonResults), targetDates);
    }
    std::unique_ptr<MoveDayDialog> createMoveDay() override {
        log << "MoveDay";
        return std::make_unique<Answering<MoveDayDialog>>(next(moveDayResults), targetDates);
    }
    std::unique_ptr<LanguageDialog> createLanguage() override {
        log << "Language";
        return std::make_unique<Language>(next(languageResults), resourceTitles);
    }
    std::unique_ptr<PrintOptionsDialog> createPrintOptions() override {
        log << "PrintOptions";
        return std::make_unique<ChosenPrint>(printOptions);
    }
    std::unique_ptr<ScheduleDialog> createSchedule() override {
        log << "Schedule";
        return std::make_unique<Schedule>(schedule);
    }

    QStringList log;
    qint16 openAppResult = 0;
    PrintOptionsScript printOptions;
    NewClassScript newClass;
    ScheduleScript schedule;
    std::function<void()> onSpecial;
    std::deque<qint16> deleteLessonResults, moveDayResults, languageResults;
    QList<qint32> targetDates;
    QStringList resourceTitles;

private:
    static qint16 next(std::deque<qint16>& results) {
        if (results.empty()) return 0;
        const qint16 r = results.front();
        results.pop_front();
        return r;
    }

    struct OpenApp : OpenAppDialog {
        explicit OpenApp(qint16 r) : r(r) {}
        void showModal() override {}
        qint16 Result() const override { return r; }
        qint16 r;
    };
    struct NewClass : NewClassDialog {
        NewClass(NewClassScript s, QStringList& log) : s(std::move(s)), log(log), r(this->s.result) {}
        void showModal() override {}
        qint16 Result() const override { return r; }
        void GetFileName() override {
            log << "GetFileName";
            r = s.afterGetFileName;
            if (r == 0) s.fileName.clear();
        }
        QString ClassFileName() const override { return s.fileName; }
        QString txtTeacher() const override { return s.teacher; }
        QString txtSubject() const override { return s.subject; }
        QString txtClass() const override { return s.period; }
        QString txtComments() const override { return s.comments; }
        NewClassScript s;
        QStringList& log;
        qint16 r;
    };
    struct Special : SpecialDialog {
        explicit Special(std::function<void()> f) : f(std::move(f)) {}
        void showModal() override {
            if (f) f();
        }
        std::function<void()> f;
    };
    template <class Base> struct Answering : Base {
        Answering(qint16 r, QList<qint32>& dates) : r(r), dates(dates) {}
        void setTargetDate(qint32 d) override { dates << d; }
        void showModal() override {}
        qint16 Result() const override { return r; }
        qint16 r;
        QList<qint32>& dates;
    };
    struct ChosenPrint : PrintOptionsDialog {
        explicit ChosenPrint(PrintOptionsScript s) : s(s) {}
        void showModal() override {}
        qint16 Result() const override { return s.result; }
        qint16 PrintChoice() const override { return s.choice; }
        qint16 chkResourcesValue(int index) const override { return s.resources.at(size_t(index)); }
        PrintOptionsScript s;
    };
    struct Schedule : ScheduleDialog {
        explicit Schedule(ScheduleScript s) : s(std::move(s)) {}
        void showModal() override {
            if (s.result == 2) return;
            const bool course = s.result == 0;
            BlockedDays = course && !s.excluded.isEmpty() ? s.excluded : QList<qint32>{0};
            LessonQueue = course ? LessonQueueOf(s.lessons, s.start) : QList<LessonPlanRecord>(2);
        }
        qint16 Result() const override { return s.result; }
        qint32 calStart() const override { return s.start; }
        QString cboDays() const override { return s.days; }
        qint16 Check1() const override { return s.check1; }
        QString txtCustTitle() const override { return s.title; }
        qint32 pvtBrackwellSelected() const override { return s.resourcesFrom; }
        ScheduleScript s;
    };
    struct Language : LanguageDialog {
        Language(qint16 r, QStringList& titles) : r(r), titles(titles) {}
        void setResourceTitle(const QString& t) override { titles << t; }
        void showModal() override {}
        qint16 Result() const override { return r; }
        qint16 r;
        QStringList& titles;
    };
};
