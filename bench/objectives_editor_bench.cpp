// The objectives editor on the large course's 2,000 lessons (10 units of 10 chapters of 20 lessons; its
// lesson bank left out): opening its window (the roots and their chapters), the first expansion of a
// chapter, and selecting a lesson while the local objective of the one before is pending. The save alone
// is compared with one raw UPDATE of the same field.
#include "controls/tree/ctlTreeIds.h"
#include "large_course.h"
#include "objectives_editor/editor_state.h"
#include "objectives_editor/editor_window.h"
#include "objectives_editor/lesson_objectives.h"
#include "ratio_reporter.h"
#include "raw_sqlite.h"
#include "runtime/com/class_factory.h"
#include "runtime/com/component_registry.h"
#include "runtime/com/control.h"
#include "runtime/dao/engine.h"
#include "runtime/event_loop.h"
#include "runtime/outside/richtext/rich_text_box.h"
#include "runtime/program_folder.h"
#include "runtime/settings.h"
#include "runtime/testing/fake_printers.h"
#include "runtime/testing/library_entry.h"
#include "runtime/testing/recording_cursor.h"
#include "runtime/testing/recording_message_box.h"
#include "runtime/testing/scripted_common_dialog.h"
#include "runtime/testing/scripted_shell.h"
#include "shared/course_settings.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// The course, the controls registered in a settings file of its own, and the editor's services.
class EditorOnLargeCourse {
public:
    EditorOnLargeCourse() {
        qputenv("LARKSPAN_SETTINGS", settingsFile_.toLocal8Bit());
        for (const char* library : {"CVTree.ocx", "CVTab.ocx"})
            rt::libraryEntry<rt::DllRegisterServerFn>(QStringLiteral(LK_PROGRAM_DIR "/") + library,
                                                      "DllRegisterServer")();
        EditorCourseDB = rt::DBEngine::instance().workspace().openDatabase(course.database);
        EditorCourseDB.execute("DELETE FROM LessonTree WHERE TreeID = 11 OR ParentID = 11");
        CourseSettings = {};
        ReadCourseConfig(msg, course.folder + QStringLiteral("/LARGE.cfg"));
        rt::setProgramFolder(QStringLiteral(LK_PROGRAM_DIR));
    }
    ~EditorOnLargeCourse() {
        EditorCourseDB.close();
        qunsetenv("LARKSPAN_SETTINGS");
    }

    std::unique_ptr<frmTRD> openWindow() {
        auto window = std::make_unique<frmTRD>(editor);
        window->show();
        return window;
    }
    static rt::Control& tree(frmTRD& window) {
        return *static_cast<rt::Control*>(window.findChild<QWidget*>(QStringLiteral("treTRD")));
    }
    static QTreeWidgetItem* chapter(frmTRD& window) {
        QTreeWidget* view = tree(window).findChild<QTreeWidget*>(QStringLiteral("tree"));
        return view->topLevelItem(0)->child(0);
    }

    LargeCourse course;
    QTemporaryDir dir_;
    QString settingsFile_ = dir_.filePath(QStringLiteral("settings.ini"));
    rt::IniSettings settings{settingsFile_};
    rt::RecordingMessageBox msg;
    rt::ScriptedCommonDialog dialogs;
    rt::ScriptedShell shell;
    rt::QtEventLoop loop;
    rt::RecordingCursor cursor;
    rt::ComponentRegistry components{settings};
    rt::FakePrinters printers;
    Editor editor{msg, settings, dialogs, shell, loop, cursor, components, printers, [] {}};
};

void OpenWindow(benchmark::State& state) {
    EditorOnLargeCourse course;
    for (auto _ : state) {
        auto window = course.openWindow();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}

void FirstExpansionOfAChapter(benchmark::State& state) {
    EditorOnLargeCourse course;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = course.openWindow();
        QTreeWidgetItem* unit = EditorOnLargeCourse::chapter(*window)->parent();
        unit->setExpanded(true);
        state.ResumeTiming();
        EditorOnLargeCourse::chapter(*window)->setExpanded(true);
        state.PauseTiming();
        state.counters["lessons"] = double(EditorOnLargeCourse::chapter(*window)->childCount());
        window.reset();
        state.ResumeTiming();
    }
}

void SelectingWithAPendingSave(benchmark::State& state) {
    EditorOnLargeCourse course;
    auto window = course.openWindow();
    rt::Control& tree = EditorOnLargeCourse::tree(*window);
    EditorOnLargeCourse::chapter(*window)->parent()->setExpanded(true);
    EditorOnLargeCourse::chapter(*window)->setExpanded(true);
    rt::Dispatch& nodes = *rt::get(tree, ctlTreeId::TNodes).toObject();
    rt::Dispatch* lessons[] = {rt::call(nodes, ctlTreeId::Nodes::Item, {QStringLiteral("K1001")}).toObject(),
                               rt::call(nodes, ctlTreeId::Nodes::Item, {QStringLiteral("K1002")}).toObject()};
    auto* box = window->findChild<rt::RichTextBox*>(QStringLiteral("rtbTRD"));
    int next = 0, n = 0;
    for (auto _ : state) {
        // What was typed into the box of the lesson shown.
        box->setText(QStringLiteral("Typed %1").arg(++n));
        LocalObjectiveDirty = true;
        rt::set(tree, ctlTreeId::TSelectedItem, rt::Value::object(lessons[next ^= 1]));
        window->treTRD_TNodeChange();
    }
}

void SaveObjectiveAlone(benchmark::State& state) {
    EditorOnLargeCourse course;
    int n = 0;
    for (auto _ : state) {
        LocalObjectiveDirty = true;
        SaveObjective(course.editor, QStringLiteral("1001"), QStringLiteral("Local %1").arg(++n));
    }
}

void RawUpdate(benchmark::State& state) {
    EditorOnLargeCourse course;
    sqlite3* db = raw::open(course.course.database);
    sqlite3_stmt* s = raw::prepare(db, "UPDATE LessonTree SET Objective5 = ?1 WHERE TreeID = 1001");
    int n = 0;
    for (auto _ : state) {
        const QByteArray text = QStringLiteral("Local %1").arg(++n).toUtf8();
        raw::bind(sqlite3_bind_text, s, 1, text.constData(), -1, SQLITE_TRANSIENT);
        raw::step(s);
        raw::reset(s);
    }
    raw::finalize(s);
    raw::close(db);
}

BENCHMARK(OpenWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(FirstExpansionOfAChapter)->Unit(benchmark::kMillisecond);
BENCHMARK(SelectingWithAPendingSave)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveObjectiveAlone)->Unit(benchmark::kMicrosecond);
BENCHMARK(RawUpdate)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks<QApplication>(argc, argv, [](RatioReporter& reporter) {
        reporter.printRatio("save / raw UPDATE", "SaveObjectiveAlone", "RawUpdate",
                            "(the existence test, the updatable open and the write)");
        using Goal = RatioReporter::Goal;
        const Goal frame{Goal::Milliseconds, 16};
        reporter.row("Objectives editor: open the window", "2,000 lessons", "OpenWindow", {},
                     {Goal::Milliseconds, 50});
        reporter.row("Objectives editor: expand a chapter", "20 lessons", "FirstExpansionOfAChapter", {},
                     frame);
        reporter.row("Objectives editor: select with a pending save", "2,000 lessons",
                     "SelectingWithAPendingSave", {}, frame);
        reporter.row("Objectives editor: save a local objective", "2,000 lessons", "SaveObjectiveAlone",
                     "RawUpdate", frame);
    });
}
