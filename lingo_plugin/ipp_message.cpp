#include "ipp_message.h"

namespace lingo {
namespace {

constexpr uint8_t kOperationGroup = 0x01;
constexpr uint8_t kEndOfAttributes = 0x03;
constexpr uint8_t kExtensionTag = 0x7F;

void putShort(std::string& bytes, uint16_t value) {
    bytes += static_cast<char>(value >> 8);
    bytes += static_cast<char>(value & 0xFF);
}

uint16_t shortAt(const std::string& bytes, size_t at) {
    return static_cast<uint16_t>((static_cast<unsigned char>(bytes[at]) << 8) |
                                 static_cast<unsigned char>(bytes[at + 1]));
}

} // namespace

IppRequest::IppRequest(uint16_t operation, uint32_t requestId) {
    putShort(bytes_, 0x0200);
    putShort(bytes_, operation);
    putShort(bytes_, static_cast<uint16_t>(requestId >> 16));
    putShort(bytes_, static_cast<uint16_t>(requestId & 0xFFFF));
    bytes_ += static_cast<char>(kOperationGroup);
}

void IppRequest::field(const std::string& text) {
    putShort(bytes_, static_cast<uint16_t>(text.size()));
    bytes_ += text;
}

void IppRequest::add(uint8_t tag, const std::string& name, const std::string& value) {
    bytes_ += static_cast<char>(tag);
    field(name);
    field(value);
}

void IppRequest::addValue(uint8_t tag, const std::string& value) {
    add(tag, "", value);
}

std::string IppRequest::finish() {
    bytes_ += static_cast<char>(kEndOfAttributes);
    return bytes_;
}

std::string IppGroup::value(const std::string& name) const {
    for (const IppAttribute& attribute : attributes)
        if (attribute.name == name && !attribute.values.empty()) return attribute.values.front();
    return {};
}

std::optional<IppResponse> parseIppResponse(const std::string& body) {
    if (body.size() < 9) return std::nullopt;
    IppResponse response;
    response.status = shortAt(body, 2);
    size_t at = 8;
    while (at < body.size()) {
        const auto tag = static_cast<uint8_t>(body[at++]);
        if (tag == kEndOfAttributes) return response;
        if (tag < 0x10) {
            response.groups.push_back({tag, {}});
            continue;
        }
        if (tag == kExtensionTag) at += 4;
        if (at + 2 > body.size()) return std::nullopt;
        const size_t nameLength = shortAt(body, at);
        at += 2;
        if (at + nameLength + 2 > body.size()) return std::nullopt;
        const std::string name = body.substr(at, nameLength);
        at += nameLength;
        const size_t valueLength = shortAt(body, at);
        at += 2;
        if (at + valueLength > body.size() || response.groups.empty()) return std::nullopt;
        std::vector<IppAttribute>& attributes = response.groups.back().attributes;
        if (!name.empty())
            attributes.push_back({name, {}});
        else if (attributes.empty())
            return std::nullopt;
        attributes.back().values.push_back(body.substr(at, valueLength));
        at += valueLength;
    }
    return std::nullopt;
}

} // namespace lingo
