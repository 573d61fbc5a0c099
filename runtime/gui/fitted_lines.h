#pragma once

#include <QStringList>

class QFont;
class QPaintDevice;

namespace rt {

// A text laid into lines: each line as shown, and whether anything was cut to end in "…".
struct FittedText {
    QStringList lines;
    bool cut = false;
};

// How a word wider than the whole width is shown: shortened to end in "…", or broken over lines.
enum class WideWord { Shortened, Broken };

// The lines of `text` wrapped at word boundaries to `width` in `font` as `device` measures it (the
// screen when null), at most `maxLines` of them. Line breaks in the text stay line breaks. When more
// text remains, the last line shown takes all the rest joined on one line, cut to end in "…" where it
// does not fit (blank lines left over are simply dropped).
FittedText fitLines(const QString& text, const QFont& font, const QPaintDevice* device, qreal width,
                    int maxLines, WideWord wide);

} // namespace rt
