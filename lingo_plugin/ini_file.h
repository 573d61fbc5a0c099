// The plug-in's reader of initialisation files: sections and keys are found without regard to case, the
// first of equal names wins, lines starting with ";" are comments.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lingo {

struct IniEntry {
    std::string key;   // trimmed, as written
    std::string value; // trimmed, as written
};

struct IniSection {
    std::string name;
    std::vector<IniEntry> entries;
};

std::vector<IniSection> parseIni(const std::string& text);
std::optional<std::vector<IniSection>> readIniFile(const std::string& path); // nullopt when unreadable

// The profile look-up: the value of key in section, one pair of enclosing quotes removed, or the default
// (its trailing blanks removed) when the file, the section or the key is missing.
std::string profileString(const std::string& path, const std::string& section, const std::string& key,
                          const std::string& fallback);

} // namespace lingo
