// Printing-protocol (IPP) messages: requests as bytes, and the groups and attributes of a response.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lingo {

constexpr uint8_t kIppPrinterGroup = 0x04;
constexpr uint8_t kIppName = 0x42;
constexpr uint8_t kIppKeyword = 0x44;
constexpr uint8_t kIppUri = 0x45;
constexpr uint8_t kIppCharset = 0x47;
constexpr uint8_t kIppLanguage = 0x48;
constexpr uint8_t kIppMimeType = 0x49;
constexpr uint16_t kIppNotFound = 0x0406;

// A request whose attributes all go into the operation group.
class IppRequest {
public:
    IppRequest(uint16_t operation, uint32_t requestId);
    void add(uint8_t tag, const std::string& name, const std::string& value);
    void addValue(uint8_t tag, const std::string& value); // one more value of the last attribute
    std::string finish();

private:
    void field(const std::string& text);
    std::string bytes_;
};

struct IppAttribute {
    std::string name;
    std::vector<std::string> values;
};

struct IppGroup {
    uint8_t tag = 0;
    std::vector<IppAttribute> attributes;
    std::string value(const std::string& name) const; // the first value, or empty
};

struct IppResponse {
    uint16_t status = 0;
    std::vector<IppGroup> groups;
};

std::optional<IppResponse> parseIppResponse(const std::string& body); // nullopt when malformed

} // namespace lingo
