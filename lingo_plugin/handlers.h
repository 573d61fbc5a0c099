// The script handlers. Each returns its number: for the handlers whose result is an integer that number is
// the result; for the others 0 means the handler set its result, and anything else is reported as an error.
#pragma once

#include "host_call.h"
#include "plugin_services.h"

namespace lingo {

int32_t HandleGetWinVersion(PluginServices& services, HostCall& call);
int32_t HandleGetLocale(PluginServices& services, HostCall& call);
int32_t HandleGetPrimaryLang(PluginServices& services, HostCall& call);
int32_t HandleGetSubLang(PluginServices& services, HostCall& call);
int32_t HandleFileExists(PluginServices& services, HostCall& call);
int32_t HandleOpenFile(PluginServices& services, HostCall& call);
int32_t HandlePrintFile(PluginServices& services, HostCall& call);
int32_t HandleShellExecute(PluginServices& services, HostCall& call);
int32_t HandleFindExecutable(PluginServices& services, HostCall& call);
int32_t HandleWinExec(PluginServices& services, HostCall& call);
int32_t HandleExitWindows(PluginServices& services, HostCall& call);
int32_t HandleGetDriverPort(PluginServices& services, HostCall& call);
int32_t HandleDriverInstalled(PluginServices& services, HostCall& call);
int32_t HandleDownload(PluginServices& services, HostCall& call);
int32_t HandleMessageBox(PluginServices& services, HostCall& call);
int32_t HandleGetPrivateProfileString(PluginServices& services, HostCall& call);
int32_t HandleGetRegKey(PluginServices& services, HostCall& call);

// The folder of a path: the text before its last separator, or empty when it has none.
std::string folderOf(const std::string& path);

} // namespace lingo
