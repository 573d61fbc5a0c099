#include "host_call.h"

#include <cstring>
#include <vector>

namespace lingo {
namespace {

// Texts longer than this are not taken at all rather than taken in part.
constexpr uint32_t kLongestText = 64u << 20;

} // namespace

const LkValue* HostCall::argument(int index) const {
    if (!record_->args || index < 0 || index >= record_->argCount) return nullptr;
    return &record_->args[index];
}

std::string HostCall::text(int index) const {
    const LkValue* value = argument(index);
    if (!value) return {};
    for (uint32_t size = 256; size <= kLongestText; size *= 2) {
        std::vector<char> buffer(size, '\0');
        if (utility()->methods->ValueToText(utility(), value, buffer.data(), size) != LK_OK) return {};
        const size_t length = strnlen(buffer.data(), size);
        if (length < size - 1) return std::string(buffer.data(), length);
    }
    return {};
}

int32_t HostCall::integer(int index) const {
    const LkValue* value = argument(index);
    int32_t result = 0;
    if (!value || utility()->methods->ValueToInteger(utility(), value, &result) != LK_OK) return 0;
    return result;
}

void HostCall::setText(const std::string& text) {
    utility()->methods->TextToValue(utility(), text.c_str(), &record_->result);
}

void HostCall::setInteger(int32_t value) {
    utility()->methods->IntegerToValue(utility(), value, &record_->result);
}

void* HostCall::parentWindow() const {
    return utility()->methods->ParentWindow(utility());
}

void* HostCall::prepareModal() const {
    return utility()->methods->PrepareModal(utility());
}

void HostCall::restoreModal(void* state) const {
    utility()->methods->RestoreModal(utility(), state);
}

} // namespace lingo
