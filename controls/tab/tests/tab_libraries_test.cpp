#include "controls/tab/ctlTabIds.h"
#include "runtime/com/class_factory.h"
#include "runtime/com/component_registry.h"
#include "runtime/com/control.h"
#include "runtime/settings.h"
#include "runtime/testing/library_entry.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(TabLibraries, BothBuildsRegisterAndAreCreatedByTheirIdentifiers) {
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.ini");
    qputenv("LARKSPAN_SETTINGS", file.toLocal8Bit());
    const QString cvTab = QFileInfo(CVTAB_OCX).canonicalFilePath();
    const QString lkTab = QFileInfo(LKTAB_OCX).canonicalFilePath();
    for (const QString& library : {cvTab, lkTab})
        ASSERT_EQ(rt::libraryEntry<rt::DllRegisterServerFn>(library, "DllRegisterServer")(), rt::S_OK);
    qunsetenv("LARKSPAN_SETTINGS");

    rt::IniSettings settings(file);
    rt::ComponentRegistry registry(settings);
    const QUuid cvId = registry.classId("CVTab.ctlTab");
    const QUuid lkId = registry.classId("LKTab.ctlTab");
    EXPECT_FALSE(cvId.isNull());
    EXPECT_NE(cvId, lkId);
    EXPECT_EQ(registry.library(cvId), cvTab);
    EXPECT_EQ(registry.library(lkId), lkTab);

    QWidget form;
    for (const char* progId : {"CVTab.ctlTab", "LKTab.ctlTab"}) {
        rt::Control* tab = registry.create(progId, &form);
        ASSERT_NE(tab, nullptr) << progId;
        EXPECT_EQ(tab->parentWidget(), &form);
        const QString library = registry.library(registry.classId(progId));
        EXPECT_EQ(rt::libraryEntry<rt::DllCanUnloadNowFn>(library, "DllCanUnloadNow")(), rt::S_FALSE);
        // The editor's set-up by id.
        rt::let(*tab, ctlTabId::TNumTabs, rt::Value::integer(2));
        rt::call(*tab, ctlTabId::SetText, {rt::Value::integer(1), rt::Value("{\\rtf1 Goal}")});
        EXPECT_EQ(rt::call(*tab, ctlTabId::GetText, {rt::Value::integer(1), rt::Value::boolean(false)}),
                  "Goal");
        delete tab;
        EXPECT_EQ(rt::libraryEntry<rt::DllCanUnloadNowFn>(library, "DllCanUnloadNow")(), rt::S_OK);
    }
}

TEST(TabLibraries, VersionRecordsNameEachBuild) {
    for (const auto& [path, project] : {std::pair(CVTAB_OCX, "CVTab"), std::pair(LKTAB_OCX, "LKTab")}) {
        QFile f(QString::fromUtf8(path));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        EXPECT_TRUE(
            bytes.contains("FileVersion=1.01\nProductName=CVTab\nInternalName=" + QByteArray(project)));
        EXPECT_TRUE(bytes.contains("Comments=Tab Control built for Larkspan Application\n")) << project;
    }
}

} // namespace
