#include "picture_object.h"

#include "runtime/error.h"

#include <QBuffer>

namespace rt {

Value PictureObject::invoke(DispId id, CallKind kind, Args&) {
    checkMember(id, kind);
    return {};
}

QImage pictureOf(const Value& value) {
    Dispatch* object = value.toObject();
    if (!object) return {};
    const auto* picture = dynamic_cast<const PictureObject*>(object);
    if (!picture) throw RuntimeError(13);
    return picture->image;
}

Value pictureValue(const QImage& image) {
    if (image.isNull()) return Value::object(nullptr);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return Value(QString::fromLatin1(png.toBase64()));
}

QImage pictureFromValue(const Value& value) {
    if (value.type() == VarType::Object && !value.toObject()) return {};
    if (value.type() != VarType::String) throw RuntimeError(13);
    const auto decoded =
        QByteArray::fromBase64Encoding(value.toString().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    QImage image;
    if (!decoded || !image.loadFromData(*decoded, "PNG")) throw RuntimeError(380);
    return image;
}

} // namespace rt
