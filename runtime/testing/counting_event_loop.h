#pragma once

#include "../event_loop.h"

#include <functional>

namespace rt {

// Counts yields and can run a test's action at the k-th one (a click during a fill, say).
class CountingEventLoop : public EventLoop {
public:
    void yield() override {
        ++count;
        if (action && count == actionAt) action();
    }

    int count = 0;
    int actionAt = 0;
    std::function<void()> action;
};

} // namespace rt
