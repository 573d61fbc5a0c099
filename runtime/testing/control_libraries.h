#pragma once

#include "library_entry.h"
#include "runtime/com/class_factory.h"
#include "runtime/com/component_registry.h"
#include "runtime/settings.h"
#include "tests/support/environment_guard.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace rt {

// Control libraries registered into a settings file of the test's own.
struct ControlLibraries : ::testing::Test {
    QTemporaryDir dir;
    QString file = dir.filePath("settings.ini");
    IniSettings settings{file};
    ComponentRegistry registry{settings};
    EnvironmentGuard environment;
    ControlLibraries() { environment.set("LARKSPAN_SETTINGS", file.toStdString()); }

    struct Build {
        QString library; // the built file
        QString progId;
    };

    // Registers both builds of one control and checks that each has a class id of its own that names
    // its own file.
    void registerBothBuilds(const Build& first, const Build& second) {
        for (const Build& b : {first, second})
            ASSERT_EQ(libraryEntry<DllRegisterServerFn>(canonical(b.library), "DllRegisterServer")(), S_OK);
        const QUuid firstId = registry.classId(first.progId), secondId = registry.classId(second.progId);
        EXPECT_FALSE(firstId.isNull());
        EXPECT_FALSE(secondId.isNull());
        EXPECT_NE(firstId, secondId);
        EXPECT_EQ(registry.library(firstId), canonical(first.library));
        EXPECT_EQ(registry.library(secondId), canonical(second.library));
    }

    HResult canUnloadNow(const QString& progId) {
        return libraryEntry<DllCanUnloadNowFn>(registry.library(registry.classId(progId)),
                                               "DllCanUnloadNow")();
    }

    static QString canonical(const QString& library) { return QFileInfo(library).canonicalFilePath(); }
};

} // namespace rt
