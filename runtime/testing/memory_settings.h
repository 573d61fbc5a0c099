#pragma once

#include "../error.h"
#include "../settings.h"

#include <QList>
#include <map>
#include <tuple>

namespace rt {

// Settings kept in memory, with a log of every write, for tests; with `failWrites` every write fails as
// a settings file that cannot be written does.
class MemorySettings : public SettingsStore {
public:
    struct Write {
        QString app, section, key, value;
        bool removed = false;
        bool operator==(const Write&) const = default;
    };

    QString get(const QString& app, const QString& section, const QString& key) const override {
        const auto it = values_.find({app, section, key});
        return it == values_.end() ? QString() : it->second;
    }
    void set(const QString& app, const QString& section, const QString& key, const QString& value) override {
        if (failWrites) throw RuntimeError(75);
        values_[{app, section, key}] = value;
        writes.append({app, section, key, value});
    }
    void remove(const QString& app, const QString& section, const QString& key) override {
        if (failWrites) throw RuntimeError(75);
        values_.erase({app, section, key});
        writes.append({app, section, key, {}, true});
    }

    QList<Write> writes;
    bool failWrites = false;

private:
    std::map<std::tuple<QString, QString, QString>, QString> values_;
};

} // namespace rt
