#pragma once

#include "../error.h"

#include <functional>

namespace rt {

// The number of the RuntimeError that `f` throws; 0 when it throws none.
inline int errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number;
    }
    return 0;
}

} // namespace rt
