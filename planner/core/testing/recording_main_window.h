#pragma once

#include "planner/core/main_window.h"

#include <QStringList>
#include <functional>

// Records the main window's procedures in the order they are called ("ChangeCurrentDate 46391"), and
// keeps its enabled state and mouse pointer.
class RecordingMainWindow : public MainWindow {
public:
    void ShowNoView() override { note("ShowNoView"); }
    void ShowDayView() override { note("ShowDayView"); }
    void ShowWeekView() override { note("ShowWeekView"); }
    void ShowMonthView() override { note("ShowMonthView"); }
    void ChangeCurrentDate(qint32 date) override { note(QStringLiteral("ChangeCurrentDate %1").arg(date)); }
    void RefreshView() override { note("RefreshView"); }
    void UIOpenClass() override { note("UIOpenClass"); }
    void UICloseClass() override { note("UICloseClass"); }
    void InitTabs() override { note("InitTabs"); }
    void DisableForm() override { note("DisableForm"); }
    void EnableForm() override { note("EnableForm"); }
    void LoadMRUs() override { note("LoadMRUs"); }
    void FocusScheduleLessons() override { note("FocusScheduleLessons"); }
    void FocusLessonGrid() override { note("FocusLessonGrid"); }
    void SetEnabled(bool e) override {
        enabled = e;
        note(e ? QStringLiteral("Enabled True") : QStringLiteral("Enabled False"));
    }
    void SetMousePointer(rt::Pointer p) override {
        mousePointer = p;
        note(QStringLiteral("MousePointer %1").arg(int(p)));
    }

    QStringList calls;
    bool enabled = true;
    rt::Pointer mousePointer = rt::Pointer::Default;
    // Runs at every call, after it is noted (a test may look at the program's state then).
    std::function<void(const QString&)> onCall;

private:
    void note(const QString& call) {
        calls << call;
        if (onCall) onCall(call);
    }
};
