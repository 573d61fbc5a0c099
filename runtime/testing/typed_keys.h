#pragma once

#include <QApplication>
#include <QList>
#include <QTest>
#include <gtest/gtest.h>

namespace rt {

// Keys to whatever has the focus: a widget, or the cell editor an earlier key opened. Printable keys
// are given as characters, others as Qt key codes. Editors commit and close through posted calls, which
// run after each key.
inline void typeKeys(const QList<int>& keys) {
    for (int key : keys) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        if (key >= 0x20 && key < 0x7f)
            QTest::keyClick(target, char(key));
        else
            QTest::keyClick(target, Qt::Key(key));
        QCoreApplication::processEvents();
    }
}

} // namespace rt
