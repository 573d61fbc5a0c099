// The handlers' services as a script: answers set by each test, every request logged, never a reboot, and
// the bytes sent to a printer kept in memory.
#pragma once

#include "plugin_services.h"

#include <map>
#include <string>
#include <vector>

namespace lingo::test {

struct ShellRequest {
    void* parent;
    std::string verb;
    std::string file;
    std::string parameters;
    std::string directory;
    int32_t show;
};

struct SentJob {
    std::string printer;
    std::string bytes;
    bool finished = false;
};

struct MessageRequest {
    void* parent;
    std::string text;
    std::string title;
    int32_t type;
};

class ScriptedPluginServices : public PluginServices {
public:
    bool versionReadable = true;
    WindowsVersion version{0xFFFFFFFFu, 0, 0, 0};
    uint32_t lcid = 0x0409;
    std::vector<std::string> files;
    std::vector<std::string> fileQueries;
    int32_t shellAnswer = 42;
    std::vector<ShellRequest> shellRequests;
    int32_t findAnswer = 42;
    std::string foundProgram;
    std::vector<ShellRequest> findRequests;
    int32_t winExecAnswer = 33;
    std::vector<std::pair<std::string, int32_t>> commandLines;
    bool rebootGranted = true;
    int reboots = 0;
    bool printersListed = true;
    std::vector<PrinterEntry> printers;
    int32_t driversError = 0;
    std::vector<std::string> drivers;
    bool portOpens = true;
    size_t writesAccepted = static_cast<size_t>(-1); // how many writes succeed before the port fails
    bool jobFinishes = true;
    std::vector<SentJob> jobs;
    std::vector<size_t> writeSizes;
    bool windowsFolderKnown = true;
    int32_t button = 1;
    std::vector<MessageRequest> messages;
    std::string profileAnswer;
    std::vector<std::vector<std::string>> profileRequests;
    std::map<std::string, std::string> classesRoot;
    std::vector<std::string> registryQueries;

    bool windowsVersion(WindowsVersion& out) override;
    uint32_t userLcid() override { return lcid; }
    bool fileExists(const std::string& path) override;
    int32_t shellExecute(void* parent, const std::string& verb, const std::string& file,
                         const std::string& parameters, const std::string& directory, int32_t show) override;
    int32_t findExecutable(const std::string& file, const std::string& directory,
                           std::string& program) override;
    int32_t winExec(const std::string& commandLine, int32_t show) override;
    bool reboot() override;
    bool enumPrinters(std::vector<PrinterEntry>& out) override;
    int32_t enumDrivers(std::vector<std::string>& out) override;
    std::unique_ptr<RawJob> sendRaw(const PrinterEntry& printer) override;
    bool windowsDirectory(std::string& directory) override;
    int32_t messageBox(void* parent, const std::string& text, const std::string& title,
                       int32_t type) override;
    std::string profileString(const std::string& section, const std::string& key, const std::string& fallback,
                              const std::string& file) override;
    int32_t classesRootValue(const std::string& key, std::string& value) override;
};

} // namespace lingo::test
