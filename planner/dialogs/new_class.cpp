#include "new_class.h"

#include "dialog_controls.h"
#include "planner/core/planner.h"
#include "runtime/common_dialog.h"
#include "runtime/error.h"
#include "runtime/file_identity.h"
#include "runtime/message_box.h"
#include "runtime/strings.h"
#include "runtime/text.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

NewClass::NewClass(rt::MessageBox& msg, rt::CommonDialog& dlgClass, QWidget* parent)
    : ModalDialog(0, parent), msg_(msg), dlgClass_(dlgClass) {
    setWindowTitle(rt::StringTable::get(2600));
    auto* Label1 = designed<QLabel>(this, "Label1", 2601);
    auto* Label2 = designed<QLabel>(this, "Label2", 2602);
    auto* Label3 = designed<QLabel>(this, "Label3", 2603);
    auto* Label4 = designed<QLabel>(this, "Label4", 2604);
    txtTeacher_ = designed<QLineEdit>(this, "txtTeacher", 2608);
    txtClass_ = designed<QLineEdit>(this, "txtClass", 2609);
    txtSubject_ = designed<QLineEdit>(this, "txtSubject", 2610);
    txtComments_ = designed<QPlainTextEdit>(this, "txtComments", 2611);
    auto* cmdOK = designed<QPushButton>(this, "cmdOK", 2605);
    auto* cmdSpecial = designed<QPushButton>(this, "cmdSpecial", 2607);
    auto* cmdCancel = designed<QPushButton>(this, "cmdCancel", 2606);
    localizeControls({Label1, Label2, Label3, Label4, txtTeacher_, txtClass_, txtSubject_, txtComments_,
                      cmdOK, cmdSpecial, cmdCancel});
    for (QWidget* box : std::initializer_list<QWidget*>{txtTeacher_, txtClass_, txtSubject_, txtComments_})
        selectAllOnFocus(box);
    multiLineBox(txtComments_, 4);

    auto* layout = new QFormLayout(this);
    layout->addRow(Label1, txtTeacher_);
    layout->addRow(Label2, txtClass_);
    layout->addRow(Label3, txtSubject_);
    layout->addRow(Label4, txtComments_);
    layout->addRow(buttonRow(this, {{cmdOK, QDialogButtonBox::AcceptRole},
                                    {cmdSpecial, QDialogButtonBox::AcceptRole},
                                    {cmdCancel, QDialogButtonBox::RejectRole}}));
    setMinimumWidth(400);

    connect(cmdOK, &QPushButton::clicked, this, &NewClass::cmdOK_Click);
    connect(cmdSpecial, &QPushButton::clicked, this, [this] { answer(1); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { answer(0); });
}

QString NewClass::txtTeacher() const {
    return txtTeacher_->text();
}
QString NewClass::txtSubject() const {
    return txtSubject_->text();
}
QString NewClass::txtClass() const {
    return txtClass_->text();
}
QString NewClass::txtComments() const {
    return txtComments_->toPlainText();
}

void NewClass::cmdOK_Click() {
    // The first empty one of the required boxes gets the focus, without a message.
    for (QLineEdit* box : {txtTeacher_, txtClass_, txtSubject_}) {
        if (rt::trimSpaces(box->text()).isEmpty()) {
            box->setFocus();
            return;
        }
    }
    answer(2);
}

void NewClass::GetFileName() {
    rt::FileDialogRequest request;
    request.title = QStringLiteral("Save class as");
    request.flags =
        rt::cdl::Explorer | rt::cdl::PathMustExist | rt::cdl::HideReadOnly | rt::cdl::OverwritePrompt;
    request.filter = rt::StringTable::get(102);
    try {
        for (;;) {
            const rt::FileDialogResult chosen = dlgClass_.showSave(request);
            rt::throwIfCancelled(chosen);
            ClassFileName_ = chosen.path;
            if (acceptable(chosen)) return;
        }
    } catch (const rt::RuntimeError& e) {
        if (e.number != 32755) return;
        result_ = 0;
        ClassFileName_.clear();
    }
}

bool NewClass::acceptable(const rt::FileDialogResult& chosen) {
    if (chosen.path.contains(u';')) {
        refuse(QStringLiteral("Semicolons are not allowed in the class filename.  Please choose another."),
               QStringLiteral("Filename Error"));
        return false;
    }
    // The open class under another spelling is the same file: creating the new class over it would
    // destroy it.
    if (rt::isSameFile(chosen.path, ClassFilePath)) {
        refuse(QStringLiteral("You can not save over the class you have open."),
               QStringLiteral("New class error"));
        return false;
    }
    if (chosen.fileTitle.size() >= 65) {
        refuse(QStringLiteral("Class file names must be less then 64 characters long."),
               QStringLiteral("New Class error"));
        return false;
    }
    return true;
}

void NewClass::refuse(const QString& text, const QString& title) {
    msg_.show({text, title, rt::MbButtons::Ok});
}
