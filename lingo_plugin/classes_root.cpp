#include "classes_root.h"

#include "ini_file.h"
#include "text.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace lingo {
namespace {

constexpr int32_t kNotFound = 2;

void appendUtf8(std::string& text, uint32_t code) {
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The value of up to `most` hex digits at text[at], or -1 when there are fewer than `least`.
long hexNumber(const std::string& text, size_t at, size_t least, size_t most, size_t& used) {
    long number = 0;
    for (used = 0; used < most && at + used < text.size() && hexDigit(text[at + used]) >= 0; ++used)
        number = number * 16 + hexDigit(text[at + used]);
    return used >= least ? number : -1;
}

// QSettings's escapes in a written key: %XX for a character up to U+00FF, %UXXXX above.
std::string qtUnescaped(const std::string& segment) {
    std::string name;
    for (size_t i = 0; i < segment.size(); ++i) {
        size_t used = 0;
        if (segment[i] == '%' && i + 1 < segment.size() && segment[i + 1] == 'U') {
            const long code = hexNumber(segment, i + 2, 4, 4, used);
            if (code >= 0) {
                appendUtf8(name, static_cast<uint32_t>(code));
                i += 1 + used;
                continue;
            }
        } else if (segment[i] == '%') {
            const long code = hexNumber(segment, i + 1, 2, 2, used);
            if (code >= 0) {
                appendUtf8(name, static_cast<uint32_t>(code));
                i += used;
                continue;
            }
        }
        name += segment[i];
    }
    return name;
}

// The settings store's own escapes in a name, beneath QSettings's: "%" alone for an empty name, and
// %25, %2F, %5C for "%", "/" and "\".
std::string storeUnescaped(const std::string& part) {
    if (part == "%") return {};
    std::string name;
    for (size_t i = 0; i < part.size(); ++i) {
        const std::string code = part.substr(i, 3);
        if (code == "%25" || code == "%2F" || code == "%5C") {
            name += code == "%25" ? '%' : code == "%2F" ? '/' : '\\';
            i += 2;
        } else {
            name += part[i];
        }
    }
    return name;
}

bool startsWithIgnoringCase(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() && sameIgnoringCase(text.substr(0, prefix.size()), prefix);
}

} // namespace

std::string settingsFilePath() {
    if (const char* named = std::getenv("LARKSPAN_SETTINGS"); named && *named) return named;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/')
        return std::string(config) + "/Larkspan/settings.ini";
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        const passwd* user = getpwuid(getuid());
        home = user ? user->pw_dir : "";
    }
    return std::string(home) + "/.config/Larkspan/settings.ini";
}

std::string decodeSettingsKey(const std::string& raw) {
    std::string path;
    size_t begin = 0;
    for (;;) {
        const size_t end = raw.find('\\', begin);
        path += storeUnescaped(
            qtUnescaped(raw.substr(begin, end == std::string::npos ? std::string::npos : end - begin)));
        if (end == std::string::npos) return path;
        path += '\\';
        begin = end + 1;
    }
}

std::string decodeSettingsValue(const std::string& raw) {
    std::string value;
    for (size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '"') continue;
        if (c != '\\' || i + 1 == raw.size()) {
            value += c;
            continue;
        }
        const char escaped = raw[++i];
        size_t used = 0;
        switch (escaped) {
        case 'a': value += '\a'; break;
        case 'b': value += '\b'; break;
        case 'f': value += '\f'; break;
        case 'n': value += '\n'; break;
        case 'r': value += '\r'; break;
        case 't': value += '\t'; break;
        case 'v': value += '\v'; break;
        case 'x': {
            const long code = hexNumber(raw, i + 1, 1, 4, used);
            if (code < 0) {
                value += escaped;
                break;
            }
            appendUtf8(value, static_cast<uint32_t>(code));
            i += used;
            break;
        }
        default: value += escaped;
        }
    }
    if (value.rfind("@@", 0) == 0) value.erase(0, 1);
    return value;
}

int32_t classesRootValue(const std::string& settingsFile, const std::string& key, std::string& value) {
    const auto sections = readIniFile(settingsFile);
    if (!sections) return kNotFound;
    bool hasSubKeys = key.empty();
    for (const IniSection& section : *sections) {
        if (!sameIgnoringCase(decodeSettingsKey(section.name), "Components")) continue;
        for (const IniEntry& entry : section.entries) {
            const std::string path = decodeSettingsKey(entry.key);
            if (sameIgnoringCase(path, key)) {
                value = decodeSettingsValue(entry.value);
                return 0;
            }
            hasSubKeys = hasSubKeys || startsWithIgnoringCase(path, key + "\\");
        }
    }
    if (!hasSubKeys) return kNotFound;
    value.clear();
    return 0;
}

} // namespace lingo
