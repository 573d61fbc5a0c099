#pragma once

#include "planner.h"

namespace rt {
class ReportEngine;
}

// File > Print: asks what to print (the current day's lesson plan, its week or its month) and prints it
// with the main window's report control CrystalReport1, the lesson plans of the week or month after it
// when asked. The window is disabled with the hourglass while a job runs and enabled with the default
// pointer on every way out; a failure is told in a message box (a cancelled job silently).
void PrintClass(Planner& planner, rt::ReportEngine& CrystalReport1);

// Prints the PDF documents of the plan's resources, one after another; resources without one are
// skipped. Errors go to the caller.
void PrintLessonResources(Planner& planner, const LessonPlanRecord& rec);

// The loaded course's lesson-plan report file beside the program.
QString LessonPlanReportFile();
