#pragma once

#include "../platform.h"
#include "counting_event_loop.h"
#include "fake_printers.h"
#include "memory_clipboard.h"
#include "memory_settings.h"
#include "recording_cursor.h"
#include "recording_message_box.h"
#include "recording_pdf_reader.h"
#include "scripted_common_dialog.h"
#include "scripted_shell.h"

namespace rt {

// Every platform service as its double, and the platform made of them: settings in memory, messages
// recorded, dialogs and the shell scripted, printers faked, the message loop counted.
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
