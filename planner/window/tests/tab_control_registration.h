#pragma once

#include "runtime/com/class_factory.h"
#include "runtime/com/component_registry.h"
#include "runtime/testing/library_entry.h"
#include "tests/support/environment_guard.h"

// Registers the built tab control `library`, as its setup does, into a scratch settings file, and enters
// its class into the settings the window creates its controls from. False when the library refuses.
inline bool RegisterTabControl(rt::SettingsStore& settings, const QString& scratchFile,
                               const QString& library) {
    {
        EnvironmentGuard environment;
        environment.set("LARKSPAN_SETTINGS", scratchFile.toStdString());
        if (rt::libraryEntry<rt::DllRegisterServerFn>(library, "DllRegisterServer")() != rt::S_OK)
            return false;
    }
    rt::IniSettings file(scratchFile);
    const rt::ComponentRegistry from(file);
    const QString progId = QStringLiteral("CVTab.ctlTab");
    const QUuid id = from.classId(progId);
    rt::ComponentRegistry(settings).enter(progId, id, from.library(id), QStringLiteral("1.0"));
    return true;
}
