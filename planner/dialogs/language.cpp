#include "language.h"

#include "dialog_controls.h"
#include "runtime/strings.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Language::Language(QWidget* parent) : ModalDialog(0, parent) {
    setWindowTitle(rt::StringTable::get(2710));
    Text1 = designed<QLabel>(this, "Text1");
    Text1->setWordWrap(true);
    Text1->setTextFormat(Qt::PlainText); // a resource title is shown as written, never as markup
    Text1->setMinimumWidth(340);
    QPushButton* Command1[] = {designed<QPushButton>(this, "Command1", 2715),
                               designed<QPushButton>(this, "Command1", 2713),
                               designed<QPushButton>(this, "Command1", 2714)};
    localizeControls({Command1[0], Command1[1], Command1[2]});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Text1);
    layout->addWidget(buttonRow(this, {{Command1[1], QDialogButtonBox::AcceptRole},
                                       {Command1[2], QDialogButtonBox::AcceptRole},
                                       {Command1[0], QDialogButtonBox::RejectRole}}));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (qint16 index = 0; index < 3; ++index) {
        Command1[index]->setProperty("Index", index);
        connect(Command1[index], &QPushButton::clicked, this, [this, index] { answer(index); });
    }
}

void Language::showEvent(QShowEvent* event) {
    Text1->setText(rt::StringTable::get(2711) + ResourceTitle + rt::StringTable::get(2712));
    ModalDialog::showEvent(event);
}
