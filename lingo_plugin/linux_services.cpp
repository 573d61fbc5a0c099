#include "linux_services.h"

#include "classes_root.h"
#include "cups_client.h"
#include "handlers.h"
#include "ini_file.h"
#include "linux_shell.h"
#include "locale_ids.h"
#include "message_dialog.h"
#include "process.h"

#include <algorithm>
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lingo {
namespace {

// The spooler cannot be reached (the platform's "RPC server unavailable").
constexpr int32_t kSpoolerUnavailable = 1722;
// No Windows platform: the handlers then report the system as unknown.
constexpr uint32_t kNoWindowsPlatform = 0xFFFFFFFFu;

// Relative initialisation-file names are found beside the plug-in.
std::string pluginFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&pluginFolder), &info) == 0 || !info.dli_fname) return ".";
    const std::string folder = folderOf(info.dli_fname);
    return folder.empty() ? "." : folder;
}

} // namespace

bool LinuxPluginServices::windowsVersion(WindowsVersion& version) {
    version = {kNoWindowsPlatform, 0, 0, 0};
    return true;
}

uint32_t LinuxPluginServices::userLcid() {
    return lcidForLocale(userLocaleName());
}

bool LinuxPluginServices::fileExists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), R_OK) == 0;
}

// The desktop association places its windows itself: the parent and the window style have no part here.
int32_t LinuxPluginServices::shellExecute(void*, const std::string& verb, const std::string& file,
                                          const std::string& parameters, const std::string& directory,
                                          int32_t) {
    return lingo::shellExecute(verb, file, parameters, directory);
}

int32_t LinuxPluginServices::findExecutable(const std::string& file, const std::string& directory,
                                            std::string& program) {
    return lingo::findExecutable(file, directory, program);
}

int32_t LinuxPluginServices::winExec(const std::string& commandLine, int32_t) {
    return lingo::winExec(commandLine);
}

// A reboot, not a log-off, asked of the login manager; it may ask the user to confirm.
bool LinuxPluginServices::reboot() {
    const ProgramRun run =
        runProgram({"dbus-send", "--system", "--print-reply", "--dest=org.freedesktop.login1",
                    "/org/freedesktop/login1", "org.freedesktop.login1.Manager.Reboot", "boolean:true"});
    return run.startError == 0 && run.exitStatus == 0;
}

// Each CUPS queue is a printer: its make and model is the driver, its device (or, for a queue of another
// server, its address there) is the port.
bool LinuxPluginServices::enumPrinters(std::vector<PrinterEntry>& printers) {
    std::vector<CupsQueue> queues;
    if (!listQueues(queues)) return false;
    for (const CupsQueue& queue : queues)
        printers.push_back({queue.name, "", "", queue.deviceUri.empty() ? queue.printerUri : queue.deviceUri,
                            queue.makeAndModel});
    return true;
}

int32_t LinuxPluginServices::enumDrivers(std::vector<std::string>& drivers) {
    std::vector<CupsQueue> queues;
    if (!listQueues(queues)) return kSpoolerUnavailable;
    for (const CupsQueue& queue : queues)
        if (!queue.makeAndModel.empty() &&
            std::find(drivers.begin(), drivers.end(), queue.makeAndModel) == drivers.end())
            drivers.push_back(queue.makeAndModel);
    return 0;
}

// Writing to a printer's port is a raw job to its queue: nothing is ever opened as a file.
std::unique_ptr<RawJob> LinuxPluginServices::sendRaw(const PrinterEntry& printer) {
    return openRawJob(printer.name);
}

bool LinuxPluginServices::windowsDirectory(std::string& directory) {
    struct stat info;
    if (stat(kWindowsFolder, &info) != 0 || !S_ISDIR(info.st_mode)) return false;
    directory = kWindowsFolder;
    return true;
}

int32_t LinuxPluginServices::messageBox(void* parent, const std::string& text, const std::string& title,
                                        int32_t type) {
    return showMessageDialog(parent, text, title, type);
}

std::string LinuxPluginServices::profileString(const std::string& section, const std::string& key,
                                               const std::string& fallback, const std::string& file) {
    return lingo::profileString(!file.empty() && file.front() == '/' ? file : pluginFolder() + "/" + file,
                                section, key, fallback);
}

int32_t LinuxPluginServices::classesRootValue(const std::string& key, std::string& value) {
    return lingo::classesRootValue(settingsFilePath(), key, value);
}

} // namespace lingo
