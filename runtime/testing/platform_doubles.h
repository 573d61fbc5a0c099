#pragma once

#include "../platform.h"
#include "counting_event_loop.h"
#include "memory_clipboard.h"
#include "memory_settings.h"
#include "recording_cursor.h"
#include "recording_message_box.h"
#include "recording_pdf_reader.h"
#include "scripted_common_dialog.h"
#include "scripted_shell.h"

namespace rt {

// Every platform service as its double, and the platform made of them: settings in memory, messages
// recorded, dialogs and the shell scripted, the message loop counted.
struct PlatformDoubles {
    MemorySettings settings;
    RecordingMessageBox msg;
    ScriptedCommonDialog dialogs;
    MemoryClipboard clipboard;
    ScriptedShell shell;
    RecordingPdfReader pdf;
    CountingEventLoop loop;
    RecordingCursor cursor;
    Platform platform{msg, settings, dialogs, clipboard, shell, pdf, loop, cursor};
};

} // namespace rt
