// The registration interface's one method: declares the script class and its handlers to the host.
#pragma once

#include "host_model.h"

namespace lingo {

LkResult Register(LkInterfaceObject* self, LkRegistry* registry, LkDictionary* dictionary);

} // namespace lingo
