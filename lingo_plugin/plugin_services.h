// The services that the script handlers ask of the system, with one Linux meaning (LinuxPluginServices)
// and a scripted double for tests. Numbers handed back are the ones the scripts test for.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace lingo {

// The three platforms the scripts know are 0, 1 and 2; any other value names none of them.
struct WindowsVersion {
    uint32_t platform = 0;
    uint32_t major = 0;
    uint32_t minor = 0;
    uint32_t build = 0;
};

struct PrinterEntry {
    std::string name;
    std::string serverName;
    std::string shareName;
    std::string portName;
    std::string driverName;
};

// Bytes on their way to a printer as one raw job; a job destroyed before finish() prints nothing.
class RawJob {
public:
    virtual ~RawJob() = default;
    virtual bool write(const char* data, size_t size) = 0;
    virtual bool finish() = 0;
};

class PluginServices {
public:
    virtual ~PluginServices() = default;
    virtual bool windowsVersion(WindowsVersion& version) = 0; // false when it cannot be read
    virtual uint32_t userLcid() = 0;
    virtual bool fileExists(const std::string& path) = 0;
    // The shell's codes: above 32 on success, the error number otherwise.
    virtual int32_t shellExecute(void* parent, const std::string& verb, const std::string& file,
                                 const std::string& parameters, const std::string& directory,
                                 int32_t show) = 0;
    virtual int32_t findExecutable(const std::string& file, const std::string& directory,
                                   std::string& program) = 0;
    virtual int32_t winExec(const std::string& commandLine, int32_t show) = 0; // above 31 on success
    virtual bool reboot() = 0;                                                 // false when refused
    virtual bool enumPrinters(std::vector<PrinterEntry>& printers) = 0; // false when they cannot be listed
    virtual int32_t enumDrivers(std::vector<std::string>& drivers) = 0; // 0, or the error number
    virtual std::unique_ptr<RawJob> sendRaw(const PrinterEntry& printer) = 0; // null when it cannot be opened
    virtual bool windowsDirectory(std::string& directory) = 0;
    virtual int32_t messageBox(void* parent, const std::string& text, const std::string& title,
                               int32_t type) = 0;
    virtual std::string profileString(const std::string& section, const std::string& key,
                                      const std::string& fallback, const std::string& file) = 0;
    virtual int32_t classesRootValue(const std::string& key,
                                     std::string& value) = 0; // 0, or the error number
};

// The services the handlers use: the Linux ones unless a test has put its own in place (null restores).
PluginServices& services();
void useServices(PluginServices* replacement);

} // namespace lingo
