#include "desktop_entry.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace rt {

namespace {

std::string trimmed(const std::string& s) {
    const size_t begin = s.find_first_not_of(" \t\r\n");
    if (begin == std::string::npos) return {};
    return s.substr(begin, s.find_last_not_of(" \t\r\n") - begin + 1);
}

// The escapes of a desktop entry's string values.
std::string unescaped(const std::string& value) {
    std::string out;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        switch (value[++i]) {
        case 's': out += ' '; break;
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case '\\': out += '\\'; break;
        default: out.append(1, '\\').append(1, value[i]); // left for the quoting rules
        }
    }
    return out;
}

// The first word of an Exec line: blanks separate, double quotes group, and within quotes a backslash
// takes the next character as it is.
std::string firstWord(const std::string& exec) {
    std::string word;
    bool quoted = false;
    for (size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (quoted && c == '\\' && i + 1 < exec.size()) {
            word += exec[++i];
        } else if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == ' ' || c == '\t')) {
            if (!word.empty()) return word;
        } else {
            word += c;
        }
    }
    return word;
}

// The Exec value of the file's [Desktop Entry] group; empty when there is none.
std::string execLine(std::ifstream& entry) {
    bool inEntry = false;
    for (std::string raw; std::getline(entry, raw);) {
        const std::string line = trimmed(raw);
        if (!line.empty() && line.front() == '[') {
            inEntry = line == "[Desktop Entry]";
            continue;
        }
        const size_t equals = line.find('=');
        if (inEntry && equals != std::string::npos && equals > 0 && trimmed(line.substr(0, equals)) == "Exec")
            return unescaped(trimmed(line.substr(equals + 1)));
    }
    return {};
}

std::vector<std::string> dataFolders() {
    std::vector<std::string> folders;
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    if (dataHome && *dataHome)
        folders.push_back(dataHome);
    else if (home && *home)
        folders.push_back(std::string(home) + "/.local/share");
    const char* dataDirs = std::getenv("XDG_DATA_DIRS");
    const std::string dirs = dataDirs && *dataDirs ? dataDirs : "/usr/local/share:/usr/share";
    for (size_t begin = 0; begin <= dirs.size();) {
        const size_t end = std::min(dirs.find(':', begin), dirs.size());
        if (end > begin) folders.push_back(dirs.substr(begin, end - begin));
        begin = end + 1;
    }
    return folders;
}

} // namespace

std::string desktopEntryProgram(const std::string& entryId) {
    if (entryId.empty() || entryId.find('/') != std::string::npos) return {};
    for (const std::string& folder : dataFolders()) {
        std::ifstream entry(folder + "/applications/" + entryId);
        if (entry) return firstWord(execLine(entry));
    }
    return {};
}

} // namespace rt
