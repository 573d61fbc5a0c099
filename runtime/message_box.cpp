#include "message_box.h"

namespace rt {

MbRequest fromType(const QString& text, std::optional<QString> title, int type) {
    MbRequest r{text, std::move(title)};
    const int buttons = type & 0x7;
    r.buttons = buttons <= int(MbButtons::RetryCancel) ? MbButtons(buttons) : MbButtons::Ok;
    switch (type & 0x70) {
    case 16: r.icon = MbIcon::Critical; break;
    case 32: r.icon = MbIcon::Question; break;
    case 48: r.icon = MbIcon::Exclamation; break;
    case 64: r.icon = MbIcon::Information; break;
    default: r.icon = MbIcon::None; break;
    }
    r.defaultButton = (type >> 8) & 0x3;
    return r;
}

} // namespace rt
