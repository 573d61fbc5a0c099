// File > Print: the one place where the window hands the open class to the printing.
#include "plan_x.h"

#include "planner/core/printing.h"

void PlanX::mnuFilePrint_Click() {
    CommitObjectives();
    PrintClass(planner_, *CrystalReport1);
}
