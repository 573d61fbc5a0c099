#include "picture_object.h"

#include "runtime/error.h"

#include <QBuffer>

QString PictureObject::persisted(const QPixmap& pixmap) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    pixmap.save(&buffer, "PNG");
    return QString::fromLatin1(png.toBase64());
}

QPixmap PictureObject::fromPersisted(const QString& text) {
    QPixmap pixmap;
    if (!pixmap.loadFromData(QByteArray::fromBase64(text.toLatin1()), "PNG")) throw rt::RuntimeError(380);
    return pixmap;
}
