// The script class: its instances hold the host's utility interface, and its scripting interface's one
// method runs the handler that the call record's selector names.
#pragma once

#include "host_model.h"

namespace lingo {

LkResult ScriptCreate(LkInstance* instance);
void ScriptDestroy(LkInstance* instance);
LkResult Call(LkInterfaceObject* self, LkCallRecord* record);

} // namespace lingo
