#include "handlers.h"

#include "text.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <new>

namespace lingo {
namespace {

constexpr uint32_t kCopyStep = 2u << 20;

std::string targetOf(const PrinterEntry& printer) {
    return printer.serverName.empty() ? printer.portName : printer.serverName + "\\" + printer.shareName;
}

// The printer rule: the first printer with the driver gives the target; an empty target is no match.
// Returns 0 with the printer found, 2 when the list cannot be held, 3 when it cannot be had, 5 without a
// match.
int32_t findPrinter(PluginServices& services, const std::string& driver, bool ignoreCase,
                    PrinterEntry& found) {
    std::vector<PrinterEntry> printers;
    try {
        if (!services.enumPrinters(printers)) return 3;
    } catch (const std::bad_alloc&) {
        return 2;
    }
    for (const PrinterEntry& printer : printers) {
        if (ignoreCase ? !sameIgnoringCase(printer.driverName, driver) : printer.driverName != driver)
            continue;
        if (targetOf(printer).empty()) return 5;
        found = printer;
        return 0;
    }
    return 5;
}

struct HostBlock {
    HostBlock(LkAllocator* allocator, uint32_t size)
        : allocator(allocator), data(static_cast<char*>(allocator->methods->Allocate(allocator, size))) {}
    ~HostBlock() {
        if (data) allocator->methods->Free(allocator, data);
    }
    HostBlock(const HostBlock&) = delete;
    HostBlock& operator=(const HostBlock&) = delete;
    LkAllocator* allocator;
    char* data;
};

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

int32_t shellVerb(PluginServices& services, HostCall& call, const char* verb) {
    const std::string name = call.text(1);
    return services.shellExecute(call.parentWindow(), verb, name, "", folderOf(name), 1);
}

} // namespace

std::string folderOf(const std::string& path) {
    const size_t last = path.find_last_of("\\/");
    return last == std::string::npos ? std::string() : path.substr(0, last);
}

int32_t HandleGetWinVersion(PluginServices& services, HostCall& call) {
    WindowsVersion version;
    if (!services.windowsVersion(version)) return 1;
    const char* name = nullptr;
    uint32_t build = version.build;
    switch (version.platform) {
    case 0: name = "Windows 3.x"; break;
    case 1:
        name = "Windows 95";
        build &= 0xFFFF;
        break;
    case 2: name = "Windows NT"; break;
    default: call.setText("Unknown OS"); return 0;
    }
    char text[96];
    std::snprintf(text, sizeof text, "%s, %u.%u, %u", name, static_cast<unsigned>(version.major),
                  static_cast<unsigned>(version.minor), static_cast<unsigned>(build));
    call.setText(text);
    return 0;
}

int32_t HandleGetLocale(PluginServices& services, HostCall& call) {
    call.setInteger(static_cast<int32_t>(services.userLcid()));
    return 0;
}

int32_t HandleGetPrimaryLang(PluginServices& services, HostCall& call) {
    call.setInteger(static_cast<int32_t>(services.userLcid() & 0xFFFF & 0x3FF));
    return 0;
}

int32_t HandleGetSubLang(PluginServices& services, HostCall& call) {
    call.setInteger(static_cast<int32_t>((services.userLcid() & 0xFFFF) >> 10));
    return 0;
}

int32_t HandleFileExists(PluginServices& services, HostCall& call) {
    const std::string name = call.text(1);
    if (name.empty()) return LK_E_ARGUMENT_MISSING;
    call.setInteger(services.fileExists(name) ? 1 : 0);
    return 0;
}

int32_t HandleOpenFile(PluginServices& services, HostCall& call) {
    return shellVerb(services, call, "open");
}

int32_t HandlePrintFile(PluginServices& services, HostCall& call) {
    return shellVerb(services, call, "print");
}

int32_t HandleShellExecute(PluginServices& services, HostCall& call) {
    return services.shellExecute(call.parentWindow(), call.text(1), call.text(2), call.text(3), call.text(4),
                                 call.integer(5));
}

int32_t HandleFindExecutable(PluginServices& services, HostCall& call) {
    const std::string name = call.text(1);
    std::string program;
    const int32_t result = services.findExecutable(name, folderOf(name), program);
    if (result <= 32) return result;
    call.setText(program);
    return 0;
}

int32_t HandleWinExec(PluginServices& services, HostCall& call) {
    return services.winExec(call.text(1), 1);
}

int32_t HandleExitWindows(PluginServices& services, HostCall&) {
    return services.reboot() ? 0 : 1;
}

int32_t HandleGetDriverPort(PluginServices& services, HostCall& call) {
    const std::string driver = call.text(1);
    if (driver.empty()) return 1;
    PrinterEntry printer;
    if (const int32_t failure = findPrinter(services, driver, true, printer)) return failure;
    call.setText(targetOf(printer));
    return 0;
}

int32_t HandleDriverInstalled(PluginServices& services, HostCall& call) {
    const std::string driver = call.text(1);
    if (driver.empty()) return 1;
    std::vector<std::string> drivers;
    try {
        if (const int32_t failure = services.enumDrivers(drivers)) return failure;
    } catch (const std::bad_alloc&) {
        return 2;
    }
    const bool installed = std::any_of(drivers.begin(), drivers.end(), [&](const std::string& name) {
        return sameIgnoringCase(name, driver);
    });
    call.setText(installed ? "true" : "false");
    return 0;
}

// Copies File as it stands to the printer that uses DriverName (the name's case counts). The target is
// opened before the file, as scripts rely on the order of the numbers: 1 bad parameter, 2 no memory,
// 3 no printer list, 5 no such printer, 7 the target cannot be opened or written, 6 the file cannot be read.
int32_t HandleDownload(PluginServices& services, HostCall& call) {
    const std::string driver = call.text(1);
    const std::string file = call.text(2);
    if (driver.empty() || file.empty()) return 1;
    HostBlock buffer(call.allocator(), kCopyStep);
    if (!buffer.data) return 2;
    PrinterEntry printer;
    if (const int32_t failure = findPrinter(services, driver, false, printer)) return failure;
    std::unique_ptr<RawJob> job = services.sendRaw(printer);
    if (!job) return 7;
    std::unique_ptr<std::FILE, FileCloser> source(std::fopen(file.c_str(), "rb"));
    if (!source) return 6;
    for (;;) {
        const size_t read = std::fread(buffer.data, 1, kCopyStep, source.get());
        if (read > 0 && !job->write(buffer.data, read)) return 7;
        if (read < kCopyStep) break;
    }
    if (std::ferror(source.get())) return 6;
    return job->finish() ? 0 : 7;
}

int32_t HandleMessageBox(PluginServices& services, HostCall& call) {
    const std::string text = call.text(1);
    const std::string title = call.text(2);
    if (text.empty() || title.empty()) return 0;
    void* const state = call.prepareModal();
    const int32_t button = services.messageBox(call.parentWindow(), text, title, call.integer(3));
    call.restoreModal(state);
    return button;
}

int32_t HandleGetPrivateProfileString(PluginServices& services, HostCall& call) {
    const std::string section = call.text(1);
    const std::string key = call.text(2);
    const std::string fallback = call.text(3);
    const std::string file = call.text(4);
    if (section.empty() || key.empty() || fallback.empty() || file.empty()) return 1;
    call.setText(services.profileString(section, key, fallback, file));
    return 0;
}

int32_t HandleGetRegKey(PluginServices& services, HostCall& call) {
    std::string value;
    if (const int32_t failure = services.classesRootValue(call.text(1), value)) return failure;
    call.setText(value);
    return 0;
}

} // namespace lingo
