// Small text helpers the handlers and services share; names and keys compare by ASCII case only.
#pragma once

#include <string>

namespace lingo {

bool sameIgnoringCase(const std::string& a, const std::string& b);
std::string lowered(std::string text);
// The text without blanks, tabs and line ends around it.
std::string trimmed(const std::string& text);

} // namespace lingo
