#include "qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace rt {

bool QtClipboard::hasText() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

QString QtClipboard::text() const {
    return QGuiApplication::clipboard()->text();
}

void QtClipboard::setText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

void QtClipboard::clear() {
    QGuiApplication::clipboard()->clear();
}

} // namespace rt
