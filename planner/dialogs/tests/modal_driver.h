#pragma once

#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

// Drives the modal dialogs a test opens: each step runs on the next modal dialog that is shown, in
// order, from inside its modal loop. A modal dialog that no step is left for fails the test and is
// closed, and so is a dialog whose step fails, so that a test never hangs.
class ModalDriver {
public:
    using Step = std::function<void(QWidget& dialog)>;

    ModalDriver();
    ModalDriver& then(Step step);
    bool done() const { return steps_.empty(); }

private:
    void look();

    QTimer timer_;
    std::deque<Step> steps_;
};

// The named control of a dialog; with an index, the one of a control array (its "Index", or else its
// place among the controls of that name).
template <class W> W* control(QWidget& dialog, const char* name, int index = 0) {
    const QList<W*> found = dialog.findChildren<W*>(QLatin1String(name));
    for (W* w : found)
        if (w->property("Index").isValid() && w->property("Index").toInt() == index) return w;
    return found.value(index);
}

// Steps for a dialog.
ModalDriver::Step click(const char* button, int index = 0);
ModalDriver::Step choose(const char* option, int index = 0);
ModalDriver::Step closeByFrame();
ModalDriver::Step pressEscape();
// Enter on the control with the focus, which the dialog's default button answers.
ModalDriver::Step pressEnter();
// The steps one after the other, on the same dialog.
ModalDriver::Step steps(std::initializer_list<ModalDriver::Step> list);

// Shows the dialog modally, lets `step` answer it, and gives its Result once it has closed.
template <class D> qint16 answered(D& dialog, ModalDriver::Step step) {
    ModalDriver driver;
    driver.then(std::move(step));
    dialog.showModal();
    EXPECT_TRUE(driver.done());
    EXPECT_FALSE(dialog.isVisible());
    return dialog.Result();
}
