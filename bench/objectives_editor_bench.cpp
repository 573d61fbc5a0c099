// The objectives editor on a course of 2,000 lessons (10 units of 10 chapters of 20 lessons): opening
// its window (the roots and their chapters), the first expansion of a chapter, and selecting a lesson
// while the local objective of the one before is pending. The save alone is compared with one raw
// UPDATE of the same field.
#include "bench_files.h"
#include "controls/tree/ctlTreeIds.h"
#include "objectives_editor/editor_state.h"
#include "objectives_editor/editor_window.h"
#include "objectives_editor/lesson_objectives.h"
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
#include "window_bench.h"

#include <QTemporaryDir>
#include <QTreeWidget>
#include <benchmark/benchmark.h>
#include <memory>
#include <sqlite3.h>

namespace {

// The course, the controls registered in a settings file of its own, and the editor's services.
class LargeCourse {
public:
    LargeCourse() {
        qputenv("LARKSPAN_SETTINGS", settingsFile_.toLocal8Bit());
        for (const char* library : {"CVTree.ocx", "CVTab.ocx"})
            rt::libraryEntry<rt::DllRegisterServerFn>(QStringLiteral(LK_PROGRAM_DIR "/") + library,
                                                      "DllRegisterServer")();
        EditorCourseDB = rt::DBEngine::instance().workspace().openDatabase(files_.course);
        EditorCourseDB.execute("DELETE FROM LessonTree");
        const QString numbers =
            QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n "
                           "WHERE i < 1999) ");
        // Units 1-10, chapters 101-200, lessons 1001-3000.
        EditorCourseDB.execute(
            "INSERT INTO LessonTree (TreeID, ParentID, SortOrder, ItemNumber, Title, "
            "Objective1, Objective2, Objective5, HasChildren) " +
            numbers +
            "SELECT 1001 + i, 101 + i / 20, i % 20, i % 20 + 1, 'Lesson ' || i, "
            "'What the lesson teaches.', 'How it is practised.', 'Local ' || i, 0 FROM n "
            "UNION ALL SELECT 101 + i, 1 + i / 10, i % 10, i % 10 + 1, 'Chapter ' || i, "
            "NULL, NULL, NULL, 1 FROM n WHERE i < 100 "
            "UNION ALL SELECT 1 + i, 0, i, i + 1, 'Unit ' || i, NULL, NULL, NULL, 1 FROM n "
            "WHERE i < 10");
        CourseSettings = {};
        ReadCourseConfig(msg, QStringLiteral(LK_COURSE_DIR "/SAMPLE1/SAMPLE1.cfg"));
        rt::setProgramFolder(QStringLiteral(LK_PROGRAM_DIR));
    }
    ~LargeCourse() {
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

    BenchFiles files_{{}};
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
    LargeCourse course;
    for (auto _ : state) {
        auto window = course.openWindow();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}

void FirstExpansionOfAChapter(benchmark::State& state) {
    LargeCourse course;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = course.openWindow();
        QTreeWidgetItem* unit = LargeCourse::chapter(*window)->parent();
        unit->setExpanded(true);
        state.ResumeTiming();
        LargeCourse::chapter(*window)->setExpanded(true);
        state.PauseTiming();
        state.counters["lessons"] = double(LargeCourse::chapter(*window)->childCount());
        window.reset();
        state.ResumeTiming();
    }
}

void SelectingWithAPendingSave(benchmark::State& state) {
    LargeCourse course;
    auto window = course.openWindow();
    rt::Control& tree = LargeCourse::tree(*window);
    LargeCourse::chapter(*window)->parent()->setExpanded(true);
    LargeCourse::chapter(*window)->setExpanded(true);
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
    LargeCourse course;
    int n = 0;
    for (auto _ : state) {
        LocalObjectiveDirty = true;
        SaveObjective(course.editor, QStringLiteral("1001"), QStringLiteral("Local %1").arg(++n));
    }
}

void RawUpdate(benchmark::State& state) {
    LargeCourse course;
    sqlite3* db = nullptr;
    sqlite3_open(course.files_.course.toUtf8().constData(), &db);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "UPDATE LessonTree SET Objective5 = ?1 WHERE TreeID = 1001", -1, &s, nullptr);
    int n = 0;
    for (auto _ : state) {
        const QByteArray text = QStringLiteral("Local %1").arg(++n).toUtf8();
        sqlite3_bind_text(s, 1, text.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_step(s);
        sqlite3_reset(s);
    }
    sqlite3_finalize(s);
    sqlite3_close(db);
}

BENCHMARK(OpenWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(FirstExpansionOfAChapter)->Unit(benchmark::kMillisecond);
BENCHMARK(SelectingWithAPendingSave)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveObjectiveAlone)->Unit(benchmark::kMicrosecond);
BENCHMARK(RawUpdate)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return runWindowBenchmarks(argc, argv, [](RatioReporter& reporter) {
        reporter.printRatio("save / raw UPDATE", "SaveObjectiveAlone", "RawUpdate",
                            "(the existence test, the updatable open and the write)");
    });
}
