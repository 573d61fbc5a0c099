#include "qt_message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

namespace rt {

namespace {

std::vector<std::pair<QMessageBox::StandardButton, MbAnswer>> buttonsOf(MbButtons b) {
    using B = QMessageBox;
    switch (b) {
    case MbButtons::Ok: return {{B::Ok, MbAnswer::Ok}};
    case MbButtons::OkCancel: return {{B::Ok, MbAnswer::Ok}, {B::Cancel, MbAnswer::Cancel}};
    case MbButtons::AbortRetryIgnore:
        return {{B::Abort, MbAnswer::Abort}, {B::Retry, MbAnswer::Retry}, {B::Ignore, MbAnswer::Ignore}};
    case MbButtons::YesNoCancel:
        return {{B::Yes, MbAnswer::Yes}, {B::No, MbAnswer::No}, {B::Cancel, MbAnswer::Cancel}};
    case MbButtons::YesNo: return {{B::Yes, MbAnswer::Yes}, {B::No, MbAnswer::No}};
    case MbButtons::RetryCancel: return {{B::Retry, MbAnswer::Retry}, {B::Cancel, MbAnswer::Cancel}};
    }
    return {{B::Ok, MbAnswer::Ok}};
}

QMessageBox::Icon iconOf(MbIcon icon) {
    switch (icon) {
    case MbIcon::Critical: return QMessageBox::Critical;
    case MbIcon::Question: return QMessageBox::Question;
    case MbIcon::Exclamation: return QMessageBox::Warning;
    case MbIcon::Information: return QMessageBox::Information;
    case MbIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MbAnswer QtMessageBox::show(const MbRequest& request) {
    QMessageBox box(QApplication::activeWindow());
    const QString title = request.title.value_or(QString());
    box.setWindowTitle(title.isEmpty() ? QApplication::applicationName() : title);
    QString text = request.text;
    box.setText(text.replace(QLatin1String("\r\n"), QLatin1String("\n")));
    box.setIcon(iconOf(request.icon));
    const auto buttons = buttonsOf(request.buttons);
    for (size_t i = 0; i < buttons.size(); ++i) {
        QPushButton* b = box.addButton(buttons[i].first);
        if (int(i) == request.defaultButton) box.setDefaultButton(b);
    }
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    for (const auto& [standard, answer] : buttons)
        if (standard == clicked) return answer;
    // Closed by the frame or Esc: the box's cancel answer, or its only button.
    return buttons.size() == 1 ? buttons.front().second : buttons.back().second;
}

void QtMessageBox::beep() {
    QApplication::beep();
}

} // namespace rt
