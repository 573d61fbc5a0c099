#include "fixed_window.h"

#include <QScreen>
#include <QWidget>

namespace rt {

void keepDesignedSize(QWidget* window, const QSize& size) {
    window->setFixedSize(size);
    if (!window->isWindow() || (window->windowFlags() & Qt::WindowType_Mask) == Qt::Dialog) return;
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint);
}

void placeAtScreenCorner(QWidget* window) {
    window->move(window->screen()->availableGeometry().topLeft());
}

} // namespace rt
