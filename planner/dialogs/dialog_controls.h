#pragma once

#include "planner/ui/localize_control.h"

#include <QString>
#include <QWidget>
#include <initializer_list>

#include <QDialogButtonBox>
#include <utility>

class QPlainTextEdit;
class QPushButton;

// A control as a dialog designs it: its name, and the string-table number that it holds until the
// dialog localises it (none for 0).
template <class W> W* designed(QWidget* form, const char* name, int number = 0) {
    auto* control = new W(form);
    control->setObjectName(QLatin1String(name));
    if (number) control->setProperty(TagProperty, QString::number(number));
    return control;
}

// LocalizeControl on each control, in order.
void localizeControls(std::initializer_list<QObject*> controls);

// A text box that selects its whole text when it gets the focus, so that typing replaces a prompt.
void selectAllOnFocus(QWidget* box);

// A text box of several lines in a dialog: `lines` high, and Tab moves on to the next control.
void multiLineBox(QPlainTextEdit* box, int lines);

// The dialog's buttons in a row, placed by their roles in the desktop's order; the first accepting one is
// the default button. The buttons' own handlers do the work.
QDialogButtonBox*
buttonRow(QWidget* form,
          std::initializer_list<std::pair<QPushButton*, QDialogButtonBox::ButtonRole>> buttons);
