#include "registration.h"

#include "handler_text.h"

namespace lingo {

LkResult Register(LkInterfaceObject*, LkRegistry* registry, LkDictionary* dictionary) {
    static const LkId scriptClass = LK_ID_SCRIPT_CLASS;
    static const LkId scriptingInterface = LK_ID_SCRIPTING_INTERFACE;
    LkDictionary* entry = nullptr;
    const LkResult result =
        registry->methods->NewEntry(registry, dictionary, &scriptClass, &scriptingInterface, &entry);
    if (result != LK_OK) return result;
    if (!entry) return LK_E_NO_INTERFACE;
    return entry->methods->Put(entry, "msgTable", LK_DICTIONARY_TEXT, kHandlerText, 0);
}

} // namespace lingo
