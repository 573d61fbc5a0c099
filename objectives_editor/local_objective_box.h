#pragma once

#include "runtime/outside/richtext/rich_text_box.h"

// The editor window's local-objective box. The characters 254 and 255 ("þ", "ÿ") mark the fields of the
// exchange file, so text pasted or dropped into the box loses them, as typed ones are refused; what
// arrives goes in as plain text, the form the local objective is stored in.
class LocalObjectiveBox : public rt::RichTextBox {
    Q_OBJECT
public:
    using rt::RichTextBox::RichTextBox;

protected:
    void insertFromMimeData(const QMimeData* source) override;
};
