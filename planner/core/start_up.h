#pragma once

#include "planner.h"

#include <functional>

// How the program starts: whether another copy runs, and making and showing the main window.
struct StartUp {
    std::function<bool()> anotherCopyRunning;
    std::function<MainWindow*()> createMainWindow;
};

// The planner's start-up; false when the program is to end (another copy runs, or start-up failed).
bool Main(Planner& planner, const StartUp& startUp);
