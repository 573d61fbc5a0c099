#pragma once

#include "runtime/error.h"

struct Editor;

// The report of an error that no handler traps: its number and description.
void ReportUntrappedError(Editor& editor, const rt::RuntimeError& error);

// Runs a window handler. A runtime error escaping it is reported and goes no further, so it never reaches
// Qt's event loop. True when the handler ran to its end.
template <class F> bool RunHandler(Editor& editor, F&& handler) {
    try {
        handler();
        return true;
    } catch (const rt::RuntimeError& e) {
        ReportUntrappedError(editor, e);
        return false;
    }
}
