// Make Lesson Plans: the wizard's choice applied to the open class, behind the day view's button and
// the Edit menu's item.
#include "plan_x_scheduling.h"

#include "plan_x.h"
#include "planner/core/lesson_shifting.h"
#include "planner/core/planner.h"
#include "planner/core/school_days.h"
#include "planner/data/lesson_plans.h"
#include "planner/data/lesson_resources.h"
#include "runtime/dao/in_one_transaction.h"
#include "runtime/error.h"
#include "shared/course_settings.h"

#include <optional>

namespace {

qint32 nextSchoolDay(qint32 d) {
    return AdjustForWeekend(d + 1, false);
}

// Each queued lesson on its run of school days; its core resources go into its first day only.
void layCourseLessons(qint32 start, qint16 daysPerLesson) {
    qint32 d = start;
    for (qsizetype i = 0; i + 1 < LessonQueue.size(); ++i) {
        for (int j = 0; j < daysPerLesson; ++j) {
            d = FirstOpenSchoolDay(d);
            AddCourseLesson(LessonQueue[i].TreeID, d);
            LessonPlanRecord rec;
            if (j == 0 && GetLessonPlanForDate(d, rec)) AddCoreResources(rec);
            d = nextSchoolDay(d);
        }
    }
}

// One plan under the wizard's title; with `fromLesson` (a course lesson's TreeID) it carries that
// lesson's TreeID and objectives, without its resources.
void writeCustomLesson(qint32 start, const QString& title, std::optional<qint32> fromLesson) {
    const qint32 d = FirstOpenSchoolDay(start);
    LessonPlanRecord rec;
    ResetLessonRecord(rec);
    rec.TreeID = -1;
    if (fromLesson) {
        rec.TreeID = *fromLesson;
        GetCourseLessonInfo(rec);
        rec.blocked = false;
    }
    rec.LPDate = d;
    rec.Title = title;
    AddLessonPlan(rec);
}

} // namespace

void ScheduleLessons(Planner& planner) {
    rt::Platform& p = planner.platform;
    MainWindow& window = *planner.window;
    std::unique_ptr<ScheduleDialog> wizard = planner.dialogs.createSchedule();
    wizard->showModal();
    const qint16 choice = wizard->Result();
    if (choice == 2) return;

    const bool useResources = wizard->Check1() == 1;
    const auto lessons = qint16(LessonQueue.size() - 1);
    const qint32 start = wizard->calStart();
    const qint16 daysPerLesson = choice == 1 ? 1 : rt::roundToInt16(rt::Val(wizard->cboDays()));

    window.DisableForm();
    try {
        qint32 conflict = 0;
        qint16 answer = -1; // no conflict
        if (FindScheduleConflict(start, lessons, daysPerLesson, conflict)) {
            const rt::Pointer pointer = p.cursor.screenPointer();
            p.cursor.setScreenPointer(rt::Pointer::Default);
            answer = AskMoveDay(planner.dialogs, conflict);
            p.cursor.setScreenPointer(pointer);
            if (answer == 2) {
                p.cursor.setScreenPointer(rt::Pointer::Default);
                window.EnableForm();
                return;
            }
        }
        // The clearing or shifting and every plan written join one transaction: an error half-way must
        // not leave the following plans pushed around days that stay empty.
        rt::inOneTransaction([&] {
            const auto span = rt::roundToInt16(double(daysPerLesson) * lessons);
            if (answer == 0) DeleteLessonsInSpan(p, start, span);
            if (answer == 1) PushLessonsForward(start, span);
            if (choice == 0)
                layCourseLessons(start, daysPerLesson);
            else
                writeCustomLesson(start, wizard->txtCustTitle(),
                                  useResources ? std::optional(wizard->pvtBrackwellSelected())
                                               : std::nullopt);
        });
    } catch (const rt::RuntimeError& e) {
        p.msg.show({QStringLiteral("The lesson plans could not be made, and nothing was changed.\r\n\r\n"
                                   "Error %1: %2")
                        .arg(e.number)
                        .arg(e.description),
                    CourseSettings.AppTitle, rt::MbButtons::Ok, rt::MbIcon::Exclamation});
        wizard.reset();
    }
    window.ChangeCurrentDate(start);
    window.RefreshView();
    wizard.reset();
    window.EnableForm();
}

void PlanX::cmdScheduleLessons_Click() {
    ScheduleLessons(planner_);
    // The focus goes to the lesson grid when it can take it.
    FocusLessonGrid();
}
