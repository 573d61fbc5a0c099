#include "linux_shell.h"

#include "handlers.h"
#include "process.h"
#include "runtime/shell/desktop_entry.h"
#include "text.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace lingo {
namespace {

constexpr int32_t kDone = 42;
constexpr int32_t kStarted = 33;
constexpr int32_t kFileNotFound = 2;
constexpr int32_t kPathNotFound = 3;
constexpr int32_t kAccessDenied = 5;
constexpr int32_t kOutOfMemory = 8;
constexpr int32_t kBadFormat = 11;
constexpr int32_t kNoAssociation = 31;

int32_t codeForErrno(int error) {
    switch (error) {
    case ENOENT: return kFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG: return kPathNotFound;
    case EACCES:
    case EPERM: return kAccessDenied;
    case ENOMEM: return kOutOfMemory;
    case ENOEXEC: return kBadFormat;
    default: return kNoAssociation;
    }
}

bool isDirectory(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool isProgram(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

bool isUrl(const std::string& name) {
    const size_t colon = name.find(':');
    if (colon == std::string::npos || colon == 0) return false;
    if (!std::all_of(name.begin(), name.begin() + static_cast<long>(colon),
                     [](unsigned char c) { return std::isalnum(c) || c == '+' || c == '-' || c == '.'; }))
        return false;
    return name.compare(colon, 3, "://") == 0 || name.compare(0, colon, "mailto") == 0;
}

std::string resolve(const std::string& file, const std::string& directory) {
    if (file.front() == '/') return file;
    if (!directory.empty()) return directory + "/" + file;
    return file.front() == '-' ? "./" + file : file;
}

// 0 when the file is there to be read, else the shell's number for what is missing.
int32_t checkFile(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0) {
        if (errno != ENOENT) return codeForErrno(errno);
        const std::string folder = folderOf(path);
        return folder.empty() || isDirectory(folder) ? kFileNotFound : kPathNotFound;
    }
    if (!S_ISDIR(info.st_mode) && access(path.c_str(), R_OK) != 0) return kAccessDenied;
    return 0;
}

int32_t openThroughDesktop(const std::string& target) {
    const ProgramRun run = runProgram({"xdg-open", target});
    if (run.startError != 0) return kNoAssociation;
    switch (run.exitStatus) {
    case 0: return kDone;
    case 2: return kFileNotFound;
    default: return kNoAssociation;
    }
}

int32_t print(const std::string& path) {
    const ProgramRun run = runProgram({"lp", "-s", "--", path});
    return run.startError == 0 && run.exitStatus == 0 ? kDone : kNoAssociation;
}

int32_t start(const std::vector<std::string>& arguments, const std::string& directory, int32_t started) {
    const int error = startProgram(arguments, directory);
    return error == 0 ? started : codeForErrno(error);
}

std::string absolute(const std::string& path) {
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

std::string onPath(const std::string& program) {
    if (program.find('/') != std::string::npos) return isProgram(program) ? program : std::string();
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/local/bin:/usr/bin:/bin";
    size_t begin = 0;
    for (;;) {
        const size_t end = folders.find(':', begin);
        const std::string folder =
            folders.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
        const std::string candidate = (folder.empty() ? "." : folder) + "/" + program;
        if (isProgram(candidate)) return candidate;
        if (end == std::string::npos) return {};
        begin = end + 1;
    }
}

} // namespace

int32_t shellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                     const std::string& directory) {
    std::string action = lowered(verb);
    if (action.empty()) action = "open";
    if (action != "open" && action != "print" && action != "explore") return kNoAssociation;
    if (file.empty()) return kFileNotFound;
    if (!directory.empty() && !isDirectory(directory)) return kPathNotFound;
    if (isUrl(file)) return action == "print" ? kNoAssociation : openThroughDesktop(file);
    const std::string path = resolve(file, directory);
    if (const int32_t missing = checkFile(path)) return missing;
    if (action == "print") return print(path);
    if (action == "open" && isProgram(path)) {
        std::vector<std::string> arguments = splitCommandLine(parameters);
        arguments.insert(arguments.begin(), path);
        return start(arguments, directory, kDone);
    }
    return openThroughDesktop(path);
}

int32_t findExecutable(const std::string& file, const std::string& directory, std::string& program) {
    if (file.empty()) return kFileNotFound;
    const std::string path = resolve(file, directory);
    if (const int32_t missing = checkFile(path)) return missing;
    if (isProgram(path)) {
        program = absolute(path);
        return kDone;
    }
    const ProgramRun type = runProgram({"xdg-mime", "query", "filetype", path});
    const std::string mimeType = type.exitStatus == 0 ? trimmed(type.output) : std::string();
    if (mimeType.empty()) return kNoAssociation;
    const ProgramRun handler = runProgram({"xdg-mime", "query", "default", mimeType});
    const std::string entry = handler.exitStatus == 0 ? trimmed(handler.output) : std::string();
    if (entry.empty()) return kNoAssociation;
    const std::string found = onPath(rt::desktopEntryProgram(entry));
    if (found.empty()) return kNoAssociation;
    program = absolute(found);
    return kDone;
}

int32_t winExec(const std::string& commandLine) {
    const std::vector<std::string> arguments = splitCommandLine(commandLine);
    if (arguments.empty()) return kFileNotFound;
    const std::string& program = arguments.front();
    if (program.find('/') != std::string::npos)
        if (const int32_t missing = checkFile(program)) return missing;
    return start(arguments, "", kStarted);
}

std::vector<std::string> splitCommandLine(const std::string& commandLine) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    size_t backslashes = 0;
    for (const char c : commandLine) {
        if (c == '\\') {
            ++backslashes;
            inWord = true;
            continue;
        }
        if (c == '"') {
            word.append(backslashes / 2, '\\');
            if (backslashes % 2)
                word += '"';
            else
                quoted = !quoted;
            backslashes = 0;
            inWord = true;
            continue;
        }
        word.append(backslashes, '\\');
        backslashes = 0;
        if ((c == ' ' || c == '\t') && !quoted) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
            continue;
        }
        word += c;
        inWord = true;
    }
    word.append(backslashes, '\\');
    if (inWord) words.push_back(word);
    return words;
}

} // namespace lingo
