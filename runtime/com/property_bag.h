#pragma once

#include "runtime/value/value.h"

#include <QList>
#include <QMap>

namespace rt {

// Where a control keeps its persisted properties: a key and a default for each read and write.
class PropertyBag {
public:
    virtual ~PropertyBag() = default;
    // The stored value, or `defaultValue` when the key is not stored.
    virtual Value readProperty(const QString& key, const Value& defaultValue) = 0;
    // A value equal to its default is not stored (and an earlier stored value is dropped).
    virtual void writeProperty(const QString& key, const Value& value, const Value& defaultValue) = 0;
};

// The bag a host form keeps for each placed control; it logs every read and write with its default.
class MapPropertyBag : public PropertyBag {
public:
    struct Access {
        bool write;
        QString key;
        Value value, defaultValue;
    };

    Value readProperty(const QString& key, const Value& defaultValue) override;
    void writeProperty(const QString& key, const Value& value, const Value& defaultValue) override;

    const QMap<QString, Value>& stored() const { return values_; }
    QList<Access> log;

private:
    QMap<QString, Value> values_;
};

} // namespace rt
