#pragma once

#include "runtime/platform.h"
#include "runtime/testing/counting_event_loop.h"
#include "runtime/testing/fake_printers.h"
#include "runtime/testing/memory_clipboard.h"
#include "runtime/testing/memory_settings.h"
#include "runtime/testing/recording_cursor.h"
#include "runtime/testing/recording_message_box.h"
#include "runtime/testing/recording_pdf_reader.h"
#include "runtime/testing/scripted_common_dialog.h"
#include "runtime/testing/scripted_shell.h"

namespace rt {

// The platform with a double for each of its services: settings in memory, message boxes and pointers
// recorded, dialogs and the shell scripted, printers faked.
struct PlatformDoubles {
    MemorySettings settings;
    RecordingMessageBox msg;
    ScriptedCommonDialog dialogs;
    MemoryClipboard clipboard;
    ScriptedShell shell;
    RecordingPdfReader pdf;
    FakePrinters printers;
    CountingEventLoop loop;
    RecordingCursor cursor;
    Platform platform{msg, settings, dialogs, clipboard, shell, pdf, printers, loop, cursor};
};

} // namespace rt
