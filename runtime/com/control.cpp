#include "control.h"

namespace rt {

QFont Control::ambientFont() const {
    return parentWidget() ? parentWidget()->font() : font();
}

QColor Control::ambientBackColor() const {
    return (parentWidget() ? parentWidget()->palette() : palette()).color(QPalette::Window);
}

} // namespace rt
