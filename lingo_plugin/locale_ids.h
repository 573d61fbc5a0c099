// The platform's locale ids (LCIDs) for the user's POSIX locale.
#pragma once

#include <cstdint>
#include <string>

namespace lingo {

// "es_MX.UTF-8" → 0x080A. A language without its territory in the table gets its first listed form;
// an unknown language, "C" or "POSIX" gets US English, 0x0409.
uint32_t lcidForLocale(const std::string& locale);

// The locale the user chose for messages: LC_ALL, else LC_MESSAGES, else LANG.
std::string userLocaleName();

} // namespace lingo
