#pragma once

#include "objectives_editor/editor_state.h"
#include "runtime/com/component_registry.h"
#include "runtime/settings.h"
#include "runtime/testing/counting_event_loop.h"
#include "runtime/testing/fake_printers.h"
#include "runtime/testing/recording_cursor.h"
#include "runtime/testing/recording_message_box.h"
#include "runtime/testing/scripted_common_dialog.h"
#include "runtime/testing/scripted_shell.h"
#include "tests/support/environment_guard.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace rt {
class Control;
}
class frmTRD;

// The editor on a copy of SAMPLE1, installed under the keys SAMPLE1, KTN1 and RV10 in a settings file of
// the test's own, with both control libraries registered there, and the platform's doubles.
class EditorFixture : public ::testing::Test {
public:
    EditorFixture();
    ~EditorFixture() override;

    // Installs `key` over the course database copy with the configuration `config`.
    void install(const QString& key, const QString& config);
    // A configuration file: SAMPLE1's with `extraLines` after it (a later key wins).
    QString config(const QString& name, const QString& extraLines);
    // Runs start-up on the command line `key`; true when it showed the menu window.
    bool start(const QString& key = QStringLiteral("SAMPLE1"));
    // Unloads the menu window and resets the module state, as at the end of a run.
    void stop();

    // Runs SQL on the course database copy through a connection of its own.
    void courseSql(const QString& sql);
    // One column of one row of the course database copy, as text.
    QString courseValue(const QString& sql);
    QString messages() const;

    QTemporaryDir dir;
    QString db = dir.filePath(QStringLiteral("SAMPLE1.mdb"));
    QString settingsFile = dir.filePath(QStringLiteral("settings.ini"));
    EnvironmentGuard environment;
    rt::IniSettings settings{settingsFile};
    rt::RecordingMessageBox msg;
    rt::ScriptedCommonDialog dialogs;
    rt::ScriptedShell shell;
    rt::CountingEventLoop loop;
    rt::RecordingCursor cursor;
    rt::ComponentRegistry components{settings};
    rt::FakePrinters printers;
    int ended = 0;
    Editor editor{msg, settings, dialogs, shell, loop, cursor, components, printers, [this] { ++ended; }};
};

// The editor window's tree control, written out one node a line in tree order: indented by level, key,
// text and tag ("key text [tag]").
QString treeOutline(rt::Control& tree);
