// The handlers' services on Linux: see the README beside this file for what stands for what.
#pragma once

#include "plugin_services.h"

namespace lingo {

class LinuxPluginServices : public PluginServices {
public:
    bool windowsVersion(WindowsVersion& version) override;
    uint32_t userLcid() override;
    bool fileExists(const std::string& path) override;
    int32_t shellExecute(void* parent, const std::string& verb, const std::string& file,
                         const std::string& parameters, const std::string& directory, int32_t show) override;
    int32_t findExecutable(const std::string& file, const std::string& directory,
                           std::string& program) override;
    int32_t winExec(const std::string& commandLine, int32_t show) override;
    bool reboot() override;
    bool enumPrinters(std::vector<PrinterEntry>& printers) override;
    int32_t enumDrivers(std::vector<std::string>& drivers) override;
    std::unique_ptr<RawJob> sendRaw(const PrinterEntry& printer) override;
    bool windowsDirectory(std::string& directory) override;
    int32_t messageBox(void* parent, const std::string& text, const std::string& title,
                       int32_t type) override;
    std::string profileString(const std::string& section, const std::string& key, const std::string& fallback,
                              const std::string& file) override;
    int32_t classesRootValue(const std::string& key, std::string& value) override;
};

// The folder that stands for the Windows folder.
inline constexpr const char* kWindowsFolder = "/etc";

} // namespace lingo
