#pragma once

#include "planner.h"

// The course of the command line and the handling of the one open class file.

// The whole command line is the key of an installed course; a key that is not installed ends the
// program after a message.
void SetCourseFromCommandLine(Planner& planner);
// The Open dialog until a usable name is chosen or Cancel; then opens that class.
void OpenClassDialog(Planner& planner);
void OpenClassFile(Planner& planner, const QString& path);
// The new-class flow; true when a class was created (and opened).
bool NewClassUI(Planner& planner);
// Copies the open class to newPath and opens the copy.
void CopyClass(Planner& planner, const QString& newPath);
void CloseClass(Planner& planner);
void ExitApplication(Planner& planner);
void LaunchGuidedTour(Planner& planner);
// The file name of a path, as FileNameFromPath.
QString StripPath(const QString& path);
