// The objective texts typed into the tabs reach the open plan: read from the tab control, and the one
// commit step that every command leaving the current plan runs first.
#include "plan_x.h"

#include "controls/tab/ctlTabIds.h"
#include "planner/core/planner.h"
#include "planner/data/course_database.h"
#include "planner/data/lesson_plans.h"
#include "runtime/com/control.h"
#include "shared/course_settings.h"

// The control has seven pages: with six or more course tabs there is no local tab to read.
static constexpr qint16 kTabPages = 7;

void PlanX::ReadObjectiveTabs(LessonPlanRecord& rec) {
    rt::Value* objectives[] = {&rec.Objective1, &rec.Objective2, &rec.Objective3, &rec.Objective4};
    const auto text = [this](qint16 n) {
        return rt::call(*tabObject, ctlTabId::GetText, {rt::Value::integer(n), rt::Value::boolean(false)});
    };
    for (qint16 n = 1; n <= 4 && n <= CourseSettings.NumObjectiveTabs; ++n) *objectives[n - 1] = text(n);
    if (CourseSettings.NumObjectiveTabs + 1 < kTabPages) rec.Objective5 = text(CourseSettings.LocalTabIndex);
}

// A menu command does not move the focus, so the tabs' focus loss has not saved what was typed.
void PlanX::CommitObjectives() {
    if (ClassFilePath.isEmpty() || !ObjectivesDirty) return;
    if (tabObject) ReadObjectiveTabs(CurrentLesson);
    UpdateLessonObjectives(CurrentLesson);
    ObjectivesDirty = false;
}

void PlanX::CommitObjectivesOnLeaving() {
    runHandler([this] { CommitObjectives(); });
    ObjectivesDirty = false;
}
