#include "property_bag.h"

namespace rt {

Value MapPropertyBag::readProperty(const QString& key, const Value& defaultValue) {
    const auto it = values_.constFind(key);
    const Value v = it == values_.constEnd() ? defaultValue : *it;
    log.append({false, key, v, defaultValue});
    return v;
}

void MapPropertyBag::writeProperty(const QString& key, const Value& value, const Value& defaultValue) {
    log.append({true, key, value, defaultValue});
    if (value == defaultValue)
        values_.remove(key);
    else
        values_.insert(key, value);
}

} // namespace rt
