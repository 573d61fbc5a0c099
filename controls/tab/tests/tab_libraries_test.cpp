#include "controls/tab/ctlTabIds.h"
#include "runtime/com/class_factory.h"
#include "runtime/com/component_registry.h"
#include "runtime/com/control.h"
#include "runtime/settings.h"
#include "runtime/testing/control_libraries.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using TabLibraries = rt::ControlLibraries;

TEST_F(TabLibraries, BothBuildsRegisterAndAreCreatedByTheirIdentifiers) {
    registerBothBuilds({CVTAB_OCX, "CVTab.ctlTab"}, {LKTAB_OCX, "LKTab.ctlTab"});
    QWidget form;
    for (const char* progId : {"CVTab.ctlTab", "LKTab.ctlTab"}) {
        rt::Control* tab = registry.create(progId, &form);
        ASSERT_NE(tab, nullptr) << progId;
        EXPECT_EQ(tab->parentWidget(), &form);
        EXPECT_EQ(canUnloadNow(progId), rt::S_FALSE);
        // The editor's set-up by id.
        rt::let(*tab, ctlTabId::TNumTabs, rt::Value::integer(2));
        rt::call(*tab, ctlTabId::SetText, {rt::Value::integer(1), rt::Value("{\\rtf1 Goal}")});
        EXPECT_EQ(rt::call(*tab, ctlTabId::GetText, {rt::Value::integer(1), rt::Value::boolean(false)}),
                  "Goal");
        delete tab;
        EXPECT_EQ(canUnloadNow(progId), rt::S_OK);
    }
}

} // namespace
