#pragma once

#include "library_entry.h"
#include "runtime/com/class_factory.h"
#include "tests/support/environment_guard.h"

#include <QString>
#include <initializer_list>
#include <stdexcept>

namespace rt {

// Registers control libraries into the settings file `file`, as the install step does for the programs.
inline void registerLibraries(const QString& file, std::initializer_list<const char*> libraries) {
    EnvironmentGuard environment;
    environment.set("LARKSPAN_SETTINGS", file.toStdString());
    for (const char* library : libraries)
        if (libraryEntry<DllRegisterServerFn>(QString::fromLocal8Bit(library), "DllRegisterServer")() != S_OK)
            throw std::runtime_error(std::string("cannot register ") + library);
}

} // namespace rt
