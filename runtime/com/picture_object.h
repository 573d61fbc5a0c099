#pragma once

#include "dispatch.h"

#include <QImage>

namespace rt {

// The picture object a control hands out or is given: it carries an image; the hosts call none of its
// members.
class PictureObject : public Dispatch {
public:
    explicit PictureObject(QImage image = {}) : image(std::move(image)) {}

    Value invoke(DispId id, CallKind kind, Args& args) override;
    std::span<const Member> members() const override { return {}; }

    QImage image;
};

// The image of a picture object, or a null image for Nothing; error 13 for any other value.
QImage pictureOf(const Value& value);

// A picture as the property bag keeps it: Nothing for no picture, else the image as base64 PNG text.
Value pictureValue(const QImage& image);
// The image of a bag value: null for Nothing, 13 for a value of another type, 380 for text that holds no
// image.
QImage pictureFromValue(const Value& value);

} // namespace rt
