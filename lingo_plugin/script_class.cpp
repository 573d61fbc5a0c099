#include "script_class.h"

#include "handlers.h"

#include <string>

namespace lingo {
namespace {

using Handler = int32_t (*)(PluginServices&, HostCall&);

struct HandlerRow {
    Handler handler;
    bool integerResult; // the handler's number is the result itself
};

// By selector, from 1; 15 is answered by Call itself.
const HandlerRow kHandlers[] = {
    {HandleGetWinVersion, false},
    {HandleGetLocale, false},
    {HandleGetPrimaryLang, false},
    {HandleGetSubLang, false},
    {HandleFileExists, false},
    {HandleOpenFile, true},
    {HandlePrintFile, true},
    {HandleShellExecute, true},
    {HandleFindExecutable, false},
    {HandleWinExec, true},
    {HandleExitWindows, true},
    {HandleGetDriverPort, false},
    {HandleDriverInstalled, false},
    {HandleDownload, true},
    {nullptr, false},
    {HandleMessageBox, true},
    {HandleGetPrivateProfileString, false},
    {HandleGetRegKey, false},
};
constexpr int32_t kWinDirectorySelector = 15;
constexpr int32_t kHandlerCount = sizeof kHandlers / sizeof kHandlers[0];

LkScriptInstance* scriptInstance(LkInstance* instance) {
    return reinterpret_cast<LkScriptInstance*>(instance);
}

} // namespace

LkResult ScriptCreate(LkInstance* instance) {
    LkCallback* callback = instance->callback;
    if (!callback) return LK_E_NO_INTERFACE;
    static const LkId utilityId = LK_ID_UTILITY_INTERFACE;
    void* utility = nullptr;
    if (callback->methods->QueryInterface(callback, &utilityId, &utility) != LK_OK || !utility)
        return LK_E_NO_INTERFACE;
    scriptInstance(instance)->utility = static_cast<LkUtility*>(utility);
    return LK_OK;
}

void ScriptDestroy(LkInstance* instance) {
    LkUtility*& utility = scriptInstance(instance)->utility;
    if (utility) utility->methods->Release(utility);
    utility = nullptr;
}

LkResult Call(LkInterfaceObject* self, LkCallRecord* record) {
    if (!record) return LK_OK;
    HostCall call(scriptInstance(self->owner), record);
    const int32_t selector = call.selector();
    try {
        if (selector == kWinDirectorySelector) {
            std::string directory;
            call.setText(services().windowsDirectory(directory) ? directory : "Error");
        } else if (selector >= 1 && selector <= kHandlerCount) {
            const HandlerRow& row = kHandlers[selector - 1];
            const int32_t result = row.handler(services(), call);
            if (row.integerResult)
                call.setInteger(result);
            else if (result != 0)
                call.setText("error: " + std::to_string(result));
        }
    } catch (...) {
        // Nothing may unwind into the host; a call that ran out of memory sets no result.
    }
    return LK_OK;
}

} // namespace lingo
