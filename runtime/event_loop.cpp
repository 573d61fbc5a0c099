#include "event_loop.h"

#include <QCoreApplication>

namespace rt {

void QtEventLoop::yield() {
    if (sinceLastRun_.isValid() && sinceLastRun_.elapsed() < intervalMs) return;
    QCoreApplication::processEvents();
    sinceLastRun_.start();
}

} // namespace rt
