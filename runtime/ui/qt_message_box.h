#pragma once

#include "../message_box.h"

namespace rt {

// Message boxes as QMessageBox, parented to the active window.
class QtMessageBox : public MessageBox {
public:
    MbAnswer show(const MbRequest& request) override;
    void beep() override;
};

} // namespace rt
