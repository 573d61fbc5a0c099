#include "olecolor.h"

namespace rt::olecolor {

QColor toQColor(quint32 value, const QPalette& palette) {
    if (!(value & 0x80000000u)) return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
    // The system colour indices that have a palette role; the rest fall back to the window colour.
    switch (value & 0xFF) {
    case 5: return palette.color(QPalette::Base);
    case 7:
    case 8: return palette.color(QPalette::Text);
    case 13: return palette.color(QPalette::Highlight);
    case 14: return palette.color(QPalette::HighlightedText);
    case 15: return palette.color(QPalette::Button);
    case 16: return palette.color(QPalette::Mid);
    case 17: return palette.color(QPalette::Disabled, QPalette::Text);
    case 18: return palette.color(QPalette::ButtonText);
    case 20: return palette.color(QPalette::Light);
    case 21: return palette.color(QPalette::Shadow);
    case 22: return palette.color(QPalette::Midlight);
    case 23: return palette.color(QPalette::ToolTipText);
    case 24: return palette.color(QPalette::ToolTipBase);
    default: return palette.color(QPalette::Window);
    }
}

bool isValid(quint32 value) {
    return value & 0x80000000u ? (value & 0x7FFFFFFFu) <= 24 : value <= 0xFFFFFFu;
}

quint32 fromQColor(const QColor& colour) {
    return quint32(colour.red()) | quint32(colour.green()) << 8 | quint32(colour.blue()) << 16;
}

} // namespace rt::olecolor
