#pragma once

#include <QString>

namespace rt {

// True when two paths name the same file: the same text, or the same existing file under another
// spelling ("./x.lkc", "a/../x.lkc", a symbolic or hard link).
bool isSameFile(const QString& a, const QString& b);

// Replaces `target` by `source` in one step (a rename within the target's folder); false on failure,
// when `target` is as it was.
bool replaceFile(const QString& source, const QString& target);

// Copies `source` into a new temporary file beside `target`: its path, or an empty text when the copy
// failed (then nothing is left behind).
QString copyBeside(const QString& source, const QString& target);

} // namespace rt
