#include "twips.h"

#include <cmath>

namespace rt::twips {

int toPx(double twips) {
    return static_cast<int>(std::lround(twips / perPixel));
}

double fromPx(int px) {
    return double(px) * perPixel;
}

} // namespace rt::twips
