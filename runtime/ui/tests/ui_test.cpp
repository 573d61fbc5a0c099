#include "runtime/ui/qt_common_dialog.h"
#include "runtime/ui/single_instance.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

TEST(QtNameFilters, FromBarSeparatedFilters) {
    EXPECT_EQ(rt::qtNameFilters("Larkspan Class Files (*.lkc)|*.lkc|All Files (*.*)|*.*"),
              (QStringList{"Larkspan Class Files (*.lkc)", "All Files (*.*)"}));
    EXPECT_EQ(rt::qtNameFilters("Objectives|*.lko;*.txt"), (QStringList{"Objectives (*.lko *.txt)"}));
    EXPECT_TRUE(rt::qtNameFilters("").isEmpty());
}

TEST(SingleInstance, SecondCopyActivatesTheFirst) {
    const QString name = QStringLiteral("lk-test-%1").arg(QCoreApplication::applicationPid());
    rt::SingleInstance first(name);
    ASSERT_FALSE(first.anotherIsRunning());
    QSignalSpy activated(&first, &rt::SingleInstance::activateRequested);
    rt::SingleInstance second(name);
    EXPECT_TRUE(second.anotherIsRunning());
    EXPECT_TRUE(activated.wait(2000));
}

} // namespace
