#pragma once

#include <QColor>
#include <QPalette>

namespace rt::olecolor {

// A colour as the programs store it: 0x00BBGGRR, or with the top bit set a system colour by index
// (0x8000000F button face, 0x80000012 button text), taken from the palette.
QColor toQColor(quint32 value, const QPalette& palette);
// Whether a property may take the value: an explicit 0x00BBGGRR, or a system colour index up to 24.
bool isValid(quint32 value);
// An explicit colour back to 0x00BBGGRR.
quint32 fromQColor(const QColor& colour);

constexpr quint32 buttonFace = 0x8000000F;
constexpr quint32 buttonText = 0x80000012;
constexpr quint32 windowBackground = 0x80000005;
constexpr quint32 windowText = 0x80000008;

} // namespace rt::olecolor
