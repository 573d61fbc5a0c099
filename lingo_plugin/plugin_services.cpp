#include "plugin_services.h"

#include "linux_services.h"

namespace lingo {
namespace {

PluginServices* gReplacement = nullptr;

} // namespace

PluginServices& services() {
    static LinuxPluginServices onLinux;
    return gReplacement ? *gReplacement : onLinux;
}

void useServices(PluginServices* replacement) {
    gReplacement = replacement;
}

} // namespace lingo
