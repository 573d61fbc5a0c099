// File > Print: the one place where the window hands the open class to the printing.
#include "plan_x.h"

void PlanX::mnuFilePrint_Click() {
    CommitObjectives();
    // The printing of day, week and month plans is being built; until it is, the command does nothing.
}
