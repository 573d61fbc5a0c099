#include "modal_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr char drivenProperty[] = "lkDriven";

int failuresSoFar() {
    const testing::TestResult* result = testing::UnitTest::GetInstance()->current_test_info()->result();
    int failures = 0;
    for (int i = 0; i < result->total_part_count(); ++i) failures += result->GetTestPartResult(i).failed();
    return failures;
}

} // namespace

ModalDriver::ModalDriver() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
    timer_.start();
}

ModalDriver& ModalDriver::then(Step step) {
    steps_.push_back(std::move(step));
    return *this;
}

void ModalDriver::look() {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog || !dialog->isVisible() || dialog->property(drivenProperty).toBool()) return;
    dialog->setProperty(drivenProperty, true);
    if (steps_.empty()) {
        ADD_FAILURE() << "no step for the modal dialog " << dialog->windowTitle().toStdString();
        dialog->close();
        return;
    }
    Step step = std::move(steps_.front());
    steps_.pop_front();
    // Run outside this timer's handler: a step that opens another modal dialog blocks in its loop, and
    // this timer must go on firing to drive that one.
    // A step that fails (a control not found) closes the dialog, or its modal loop would wait for ever.
    QTimer::singleShot(0, dialog, [dialog, step = std::move(step)] {
        const QPointer<QWidget> shown = dialog;
        const int failures = failuresSoFar();
        step(*dialog);
        if (shown && shown->isVisible() && failuresSoFar() > failures) shown->close();
    });
}

ModalDriver::Step click(const char* button, int index) {
    return [button, index](QWidget& dialog) {
        auto* b = control<QAbstractButton>(dialog, button, index);
        ASSERT_TRUE(b) << button;
        b->click();
    };
}

ModalDriver::Step choose(const char* option, int index) {
    return [option, index](QWidget& dialog) {
        auto* b = control<QAbstractButton>(dialog, option, index);
        ASSERT_TRUE(b) << option;
        b->click();
    };
}

ModalDriver::Step closeByFrame() {
    return [](QWidget& dialog) { dialog.close(); };
}

ModalDriver::Step pressEscape() {
    return [](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); };
}

ModalDriver::Step pressEnter() {
    return [](QWidget& dialog) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus && dialog.isAncestorOf(focus) ? focus : &dialog, Qt::Key_Return);
    };
}

ModalDriver::Step steps(std::initializer_list<ModalDriver::Step> list) {
    return [all = std::vector<ModalDriver::Step>(list)](QWidget& dialog) {
        for (const auto& step : all) step(dialog);
    };
}
