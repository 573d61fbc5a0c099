#pragma once

#include <QStringList>

class QFont;
class QPaintDevice;

namespace rt {

// The lines of `text` wrapped to `width` in `font` as `device` measures it, at most `maxLines` of them.
// Line breaks in the text stay line breaks. When more lines remain, the last line shown takes the rest
// of the text joined on one line, cut to end in "…" where it does not fit (blank lines left over are
// simply dropped).
QStringList cutToLines(const QString& text, const QFont& font, const QPaintDevice* device, qreal width,
                       int maxLines);

} // namespace rt
