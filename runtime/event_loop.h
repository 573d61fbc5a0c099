#pragma once

#include <QElapsedTimer>

namespace rt {

// Letting the message loop run once between the steps of long work.
class EventLoop {
public:
    virtual ~EventLoop() = default;
    virtual void yield() = 0;
};

// Runs the loop at most once in a screen refresh: a fill that yields per row would otherwise lay out
// and repaint a shown tree at every row, which makes it quadratic in the rows, while the user sees no
// more than one refresh anyway.
class QtEventLoop : public EventLoop {
public:
    void yield() override;

    static constexpr int intervalMs = 15;

private:
    QElapsedTimer sinceLastRun_;
};

} // namespace rt
