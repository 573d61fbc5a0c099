#include "dialog_controls.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>

namespace {

// Selecting at once would be undone by the click that gave the focus: select once it is handled.
class SelectAllOnFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* box, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            QTimer::singleShot(0, box, [box] { QMetaObject::invokeMethod(box, "selectAll"); });
        return false;
    }
};

} // namespace

void localizeControls(std::initializer_list<QObject*> controls) {
    for (QObject* control : controls) LocalizeControl(control);
}

void selectAllOnFocus(QWidget* box) {
    box->installEventFilter(new SelectAllOnFocus(box));
}

void multiLineBox(QPlainTextEdit* box, int lines) {
    box->setTabChangesFocus(true);
    box->setFixedHeight(box->fontMetrics().lineSpacing() * lines + 2 * box->frameWidth() +
                        static_cast<int>(2 * box->document()->documentMargin()));
}

QDialogButtonBox*
buttonRow(QWidget* form,
          std::initializer_list<std::pair<QPushButton*, QDialogButtonBox::ButtonRole>> buttons) {
    auto* row = new QDialogButtonBox(form);
    bool hasDefault = false;
    for (const auto& [button, role] : buttons) {
        row->addButton(button, role);
        button->setDefault(!hasDefault && role == QDialogButtonBox::AcceptRole);
        hasDefault = hasDefault || button->isDefault();
    }
    return row;
}
