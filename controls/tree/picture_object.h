#pragma once

#include "runtime/com/dispatch.h"

#include <QPixmap>

// A picture handed between hosts and controls (a mouse icon); it has no members of its own.
class PictureObject : public rt::Dispatch {
public:
    explicit PictureObject(QPixmap pixmap = {}) : pixmap(std::move(pixmap)) {}

    rt::Value invoke(rt::DispId id, rt::CallKind kind, rt::Args&) override {
        checkMember(id, kind);
        return {};
    }
    std::span<const rt::Member> members() const override { return {}; }

    // How a picture is kept in a property bag: its PNG, base64; 380 for a text that is no picture.
    static QString persisted(const QPixmap& pixmap);
    static QPixmap fromPersisted(const QString& text);

    QPixmap pixmap;
};
