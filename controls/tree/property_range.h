#pragma once

#include "runtime/error.h"

// A property assignment outside the values the property takes: error 380.
inline void checkRange(int value, int lowest, int highest) {
    if (value < lowest || value > highest) throw rt::RuntimeError(380);
}
