#pragma once

struct Planner;

// Make Lesson Plans: runs the "Schedule Lessons" wizard, clears or shifts the plans in the way as the
// user chooses, lays the queued course lessons onto consecutive school days (or writes one custom
// lesson) and shows the start date. Everything from the clearing on is stored together or not at all;
// a failure is told and leaves the class as it was. Works on `planner.window`, the main window.
void ScheduleLessons(Planner& planner);
