#pragma once

namespace rt {

// Letting the message loop run once between the steps of long work.
class EventLoop {
public:
    virtual ~EventLoop() = default;
    virtual void yield() = 0;
};

class QtEventLoop : public EventLoop {
public:
    void yield() override;
};

} // namespace rt
