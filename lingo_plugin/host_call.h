// One script call as the handlers see it: arguments read and results set through the host's utility
// interface, so that no text is ever cut to a fixed buffer and a short argument array is never overrun.
#pragma once

#include "host_model.h"

#include <string>

namespace lingo {

class HostCall {
public:
    HostCall(LkScriptInstance* instance, LkCallRecord* record) : instance_(instance), record_(record) {}

    int32_t selector() const { return record_->selector; }
    // Argument 1 is the first after "me"; a missing or unconvertible one reads as empty or 0.
    std::string text(int index) const;
    int32_t integer(int index) const;
    void setText(const std::string& text);
    void setInteger(int32_t value);

    void* parentWindow() const;
    void* prepareModal() const;
    void restoreModal(void* state) const;
    LkAllocator* allocator() const { return instance_->header.allocator; }

private:
    const LkValue* argument(int index) const;
    LkUtility* utility() const { return instance_->utility; }

    LkScriptInstance* instance_;
    LkCallRecord* record_;
};

} // namespace lingo
