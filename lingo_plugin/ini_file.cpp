#include "ini_file.h"

#include "text.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace lingo {
namespace {

std::string unquoted(const std::string& value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

std::vector<IniSection> parseIni(const std::string& text) {
    std::vector<IniSection> sections;
    std::istringstream lines(text);
    for (std::string raw; std::getline(lines, raw);) {
        const std::string line = trimmed(raw);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const size_t close = line.find(']');
            sections.push_back(
                {trimmed(line.substr(1, close == std::string::npos ? std::string::npos : close - 1)), {}});
            continue;
        }
        if (sections.empty()) continue;
        const size_t equals = line.find('=');
        if (equals == std::string::npos)
            sections.back().entries.push_back({line, {}});
        else
            sections.back().entries.push_back(
                {trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1))});
    }
    return sections;
}

std::optional<std::vector<IniSection>> readIniFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    if (file.bad()) return std::nullopt;
    return parseIni(text.str());
}

std::string profileString(const std::string& path, const std::string& section, const std::string& key,
                          const std::string& fallback) {
    if (const auto sections = readIniFile(path)) {
        const auto found = std::find_if(sections->begin(), sections->end(), [&](const IniSection& s) {
            return sameIgnoringCase(s.name, section);
        });
        if (found != sections->end())
            for (const IniEntry& entry : found->entries)
                if (sameIgnoringCase(entry.key, key)) return unquoted(entry.value);
    }
    return fallback.substr(0, fallback.find_last_not_of(" \t") + 1);
}

} // namespace lingo
