// The plug-in's 12-byte interface objects and the count of live ones that decides unloading.
#pragma once

#include "host_model.h"

namespace lingo {

// Form functions: a new object with one reference, owned by (and holding two references on) owner.
LkResult RegistrarCreate(LkInstance* owner, void** object);
LkResult ScriptAuxCreate(LkInstance* owner, void** object);
LkResult ScriptCallCreate(LkInstance* owner, void** object);

uint32_t liveObjects();

} // namespace lingo
