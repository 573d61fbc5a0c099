#pragma once

#include "clipboard.h"
#include "common_dialog.h"
#include "cursor.h"
#include "event_loop.h"
#include "message_box.h"
#include "pdf/pdf_reader.h"
#include "printers.h"
#include "settings.h"
#include "shell/shell.h"

namespace rt {

// The platform services a program uses, built once by its main() (tests build doubles) and handed to
// the code that needs them.
struct Platform {
    MessageBox& msg;
    SettingsStore& settings;
    CommonDialog& dialogs;
    Clipboard& clipboard;
    Shell& shell;
    PdfReader& pdf;
    Printers& printers;
    EventLoop& loop;
    Cursor& cursor;
};

} // namespace rt
