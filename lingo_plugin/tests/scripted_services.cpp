#include "scripted_services.h"

#include <algorithm>

namespace lingo::test {
namespace {

class MemoryJob : public RawJob {
public:
    MemoryJob(ScriptedPluginServices& services, size_t index) : services_(services), index_(index) {}

    bool write(const char* data, size_t size) override {
        if (services_.writeSizes.size() >= services_.writesAccepted) return false;
        services_.writeSizes.push_back(size);
        services_.jobs[index_].bytes.append(data, size);
        return true;
    }

    bool finish() override {
        services_.jobs[index_].finished = services_.jobFinishes;
        return services_.jobFinishes;
    }

private:
    ScriptedPluginServices& services_;
    size_t index_;
};

} // namespace

bool ScriptedPluginServices::windowsVersion(WindowsVersion& out) {
    out = version;
    return versionReadable;
}

bool ScriptedPluginServices::fileExists(const std::string& path) {
    fileQueries.push_back(path);
    return std::find(files.begin(), files.end(), path) != files.end();
}

int32_t ScriptedPluginServices::shellExecute(void* parent, const std::string& verb, const std::string& file,
                                             const std::string& parameters, const std::string& directory,
                                             int32_t show) {
    shellRequests.push_back({parent, verb, file, parameters, directory, show});
    return shellAnswer;
}

int32_t ScriptedPluginServices::findExecutable(const std::string& file, const std::string& directory,
                                               std::string& program) {
    findRequests.push_back({nullptr, "", file, "", directory, 0});
    if (findAnswer > 32) program = foundProgram;
    return findAnswer;
}

int32_t ScriptedPluginServices::winExec(const std::string& commandLine, int32_t show) {
    commandLines.emplace_back(commandLine, show);
    return winExecAnswer;
}

bool ScriptedPluginServices::reboot() {
    ++reboots;
    return rebootGranted;
}

bool ScriptedPluginServices::enumPrinters(std::vector<PrinterEntry>& out) {
    if (!printersListed) return false;
    out = printers;
    return true;
}

int32_t ScriptedPluginServices::enumDrivers(std::vector<std::string>& out) {
    out = drivers;
    return driversError;
}

std::unique_ptr<RawJob> ScriptedPluginServices::sendRaw(const PrinterEntry& printer) {
    if (!portOpens) return nullptr;
    jobs.push_back({printer.name, {}, false});
    return std::make_unique<MemoryJob>(*this, jobs.size() - 1);
}

bool ScriptedPluginServices::windowsDirectory(std::string& directory) {
    if (windowsFolderKnown) directory = "/etc";
    return windowsFolderKnown;
}

int32_t ScriptedPluginServices::messageBox(void* parent, const std::string& text, const std::string& title,
                                           int32_t type) {
    messages.push_back({parent, text, title, type});
    return button;
}

std::string ScriptedPluginServices::profileString(const std::string& section, const std::string& key,
                                                  const std::string& fallback, const std::string& file) {
    profileRequests.push_back({section, key, fallback, file});
    return profileAnswer;
}

int32_t ScriptedPluginServices::classesRootValue(const std::string& key, std::string& value) {
    registryQueries.push_back(key);
    const auto found = classesRoot.find(key);
    if (found == classesRoot.end()) return 2;
    value = found->second;
    return 0;
}

} // namespace lingo::test
