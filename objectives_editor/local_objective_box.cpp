#include "local_objective_box.h"

#include <QMimeData>

void LocalObjectiveBox::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText()) return;
    QString text = source->text();
    text.remove(QChar(0xFE)).remove(QChar(0xFF));
    textCursor().insertText(text);
    ensureCursorVisible();
}
