#include "controls/tree/ctlTreeIds.h"
#include "runtime/com/class_factory.h"
#include "runtime/com/component_registry.h"
#include "runtime/com/control.h"
#include "runtime/settings.h"
#include "runtime/testing/library_entry.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(TreeLibraries, BothBuildsRegisterAndAreCreatedByTheirIdentifiers) {
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.ini");
    qputenv("LARKSPAN_SETTINGS", file.toLocal8Bit());
    const QString cvTree = QFileInfo(CVTREE_OCX).canonicalFilePath();
    const QString lkTree = QFileInfo(LKTREE_OCX).canonicalFilePath();
    for (const QString& library : {cvTree, lkTree})
        ASSERT_EQ(rt::libraryEntry<rt::DllRegisterServerFn>(library, "DllRegisterServer")(), rt::S_OK);
    qunsetenv("LARKSPAN_SETTINGS");

    rt::IniSettings settings(file);
    rt::ComponentRegistry registry(settings);
    const QUuid cvId = registry.classId("CVTree.ctlTree");
    const QUuid lkId = registry.classId("LKTree.ctlTree");
    EXPECT_FALSE(cvId.isNull());
    EXPECT_NE(cvId, lkId);
    EXPECT_EQ(registry.library(cvId), cvTree);
    EXPECT_EQ(registry.library(lkId), lkTree);

    QWidget form;
    for (const char* progId : {"CVTree.ctlTree", "LKTree.ctlTree"}) {
        rt::Control* tree = registry.create(progId, &form);
        ASSERT_NE(tree, nullptr) << progId;
        EXPECT_EQ(tree->parentWidget(), &form);
        EXPECT_EQ(rt::libraryEntry<rt::DllCanUnloadNowFn>(registry.library(registry.classId(progId)),
                                                          "DllCanUnloadNow")(),
                  rt::S_FALSE);
        // The editor builds and trims its tree by id.
        rt::call(*tree, ctlTreeId::AddPrimaryNode, {"K1", "Unit 1"});
        rt::call(*tree, ctlTreeId::AddNode, {"K1", "D1", "D1"});
        EXPECT_EQ(rt::call(*tree, ctlTreeId::RemoveNode, {"D1"}), rt::Value::boolean(true));
        EXPECT_EQ(rt::call(*tree, ctlTreeId::RemoveNode, {"D1"}), rt::Value::boolean(false));
    }
}

} // namespace
