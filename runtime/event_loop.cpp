#include "event_loop.h"

#include <QCoreApplication>

namespace rt {

void QtEventLoop::yield() {
    QCoreApplication::processEvents();
}

} // namespace rt
