#pragma once

#include <QtGlobal>

namespace rt::twips {

// Lengths are kept in twips, 15 to a pixel, as the programs compute them.
constexpr int perPixel = 15;
int toPx(double twips);
double fromPx(int px);

} // namespace rt::twips
