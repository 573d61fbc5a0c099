#pragma once

#include "runtime/error.h"

// A property value, or error 380 when it lies outside the values the property takes.
inline qint16 inRange(qint16 value, int lowest, int highest) {
    if (value < lowest || value > highest) throw rt::RuntimeError(380);
    return value;
}
