#include "new_resource.h"

#include "dialog_controls.h"
#include "resources/pictures.h"
#include "runtime/message_box.h"
#include "runtime/strings.h"
#include "runtime/value/value.h"
#include "shared/course_settings.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cmath>
#include <limits>

NewResource::NewResource(rt::MessageBox& msg, QWidget* parent) : ModalDialog(2, parent), msg_(msg) {
    setWindowTitle(rt::StringTable::get(1301));
    setWindowIcon(rt::Pictures::icon(1101));
    QLabel* Label1[] = {designed<QLabel>(this, "Label1", 1302), designed<QLabel>(this, "Label1", 1303),
                        designed<QLabel>(this, "Label1", 1304), designed<QLabel>(this, "Label1", 1305),
                        designed<QLabel>(this, "Label1", 1306)};
    txtTitle_ = designed<QLineEdit>(this, "txtTitle");
    lbTypes_ = designed<QListWidget>(this, "lbTypes");
    txtMinutes_ = designed<QLineEdit>(this, "txtMinutes");
    txtDescription_ = designed<QPlainTextEdit>(this, "txtDescription");
    auto* cmdOK = designed<QPushButton>(this, "cmdOK", 1307);
    auto* cmdCancel = designed<QPushButton>(this, "cmdCancel", 1308);
    localizeControls({Label1[0], Label1[1], Label1[2], Label1[3], Label1[4], cmdOK, cmdCancel});
    for (QWidget* box : std::initializer_list<QWidget*>{txtTitle_, txtMinutes_, txtDescription_})
        selectAllOnFocus(box);
    txtMinutes_->installEventFilter(this);
    txtMinutes_->setMaximumWidth(txtMinutes_->fontMetrics().horizontalAdvance(u'0') * 8);
    lbTypes_->setFixedHeight(lbTypes_->fontMetrics().lineSpacing() * 4);
    multiLineBox(txtDescription_, 5);
    Label1[0]->setWordWrap(true);

    auto* layout = new QFormLayout(this);
    layout->addRow(Label1[0]);
    layout->addRow(Label1[1], txtTitle_);
    layout->addRow(Label1[2], lbTypes_);
    layout->addRow(Label1[3], txtMinutes_);
    layout->addRow(Label1[4], txtDescription_);
    layout->addRow(
        buttonRow(this, {{cmdOK, QDialogButtonBox::AcceptRole}, {cmdCancel, QDialogButtonBox::RejectRole}}));
    setMinimumWidth(400);

    connect(cmdOK, &QPushButton::clicked, this, &NewResource::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, [this] { answer(2); });
}

namespace {

bool fitsMinutes(double minutes) {
    return minutes >= 0 && minutes <= std::numeric_limits<qint16>::max();
}

} // namespace

double NewResource::typedMinutes() const {
    return std::floor(rt::Val(txtMinutes_->text()));
}

qint16 NewResource::Minutes() const {
    const double minutes = typedMinutes();
    return fitsMinutes(minutes) ? static_cast<qint16>(minutes) : 0;
}

void NewResource::showEvent(QShowEvent* event) {
    ModalDialog::showEvent(event);
    txtTitle_->setFocus();
}

// Only digits, Backspace and "." reach the minutes; keys that type nothing, and those that move the
// focus or press the dialog's buttons, go on as usual.
bool NewResource::eventFilter(QObject* watched, QEvent* event) {
    if (watched != txtMinutes_ || event->type() != QEvent::KeyPress)
        return ModalDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Backspace: return false;
    default: break;
    }
    const QString typed = key->text();
    if (typed.isEmpty()) return false;
    const QChar c = typed.front();
    return !(c.isDigit() && c.unicode() < 128) && c != u'.';
}

void NewResource::cmdOK_Click() {
    // A resource holds its minutes as a 16-bit number: more would fail when the resource is written.
    if (!fitsMinutes(typedMinutes())) {
        msg_.show({QStringLiteral("Please enter from 0 to 32767 minutes."), CourseSettings.AppTitle,
                   rt::MbButtons::Ok, rt::MbIcon::Exclamation});
        txtMinutes_->setFocus();
        return;
    }
    answer(1);
}
