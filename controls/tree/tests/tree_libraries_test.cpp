#include "controls/tree/ctlTreeIds.h"
#include "runtime/com/class_factory.h"
#include "runtime/com/component_registry.h"
#include "runtime/com/control.h"
#include "runtime/settings.h"
#include "runtime/testing/control_libraries.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using TreeLibraries = rt::ControlLibraries;

TEST_F(TreeLibraries, BothBuildsRegisterAndAreCreatedByTheirIdentifiers) {
    registerBothBuilds({CVTREE_OCX, "CVTree.ctlTree"}, {LKTREE_OCX, "LKTree.ctlTree"});
    QWidget form;
    for (const char* progId : {"CVTree.ctlTree", "LKTree.ctlTree"}) {
        rt::Control* tree = registry.create(progId, &form);
        ASSERT_NE(tree, nullptr) << progId;
        EXPECT_EQ(tree->parentWidget(), &form);
        EXPECT_EQ(canUnloadNow(progId), rt::S_FALSE);
        // The editor builds and trims its tree by id.
        rt::call(*tree, ctlTreeId::AddPrimaryNode, {"K1", "Unit 1"});
        rt::call(*tree, ctlTreeId::AddNode, {"K1", "D1", "D1"});
        EXPECT_EQ(rt::call(*tree, ctlTreeId::RemoveNode, {"D1"}), rt::Value::boolean(true));
        EXPECT_EQ(rt::call(*tree, ctlTreeId::RemoveNode, {"D1"}), rt::Value::boolean(false));
    }
}

} // namespace
