#pragma once

#include <QString>

class QSettings;

namespace rt {

// The per-user settings store: values by application name, section and key. A section may hold
// backslashes ("Installed Courses\KEY"); names are compared exactly. A store that cannot be read, and a
// write that does not reach it, throw RuntimeError 75 (Path/File access error).
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored value, or an empty text when there is none.
    virtual QString get(const QString& app, const QString& section, const QString& key) const = 0;
    virtual void set(const QString& app, const QString& section, const QString& key,
                     const QString& value) = 0;
    virtual void remove(const QString& app, const QString& section, const QString& key) = 0;
};

// One INI file per user: the file named by LARKSPAN_SETTINGS when set, else settings.ini in the user's
// XDG config folder under "Larkspan".
class IniSettings : public SettingsStore {
public:
    IniSettings();
    explicit IniSettings(QString file);

    QString get(const QString& app, const QString& section, const QString& key) const override;
    void set(const QString& app, const QString& section, const QString& key, const QString& value) override;
    void remove(const QString& app, const QString& section, const QString& key) override;

    const QString& file() const { return file_; }
    static QString defaultFile();

private:
    void written(QSettings& s) const; // throws when the write did not reach the file

    QString file_;
};

// The settings key under which a value is kept: the application name, then the section split at its
// backslashes, then the key, joined by "/". An empty part is written as a lone "%" and a "%" as "%25", so
// that no two names share a key.
QString settingsKey(const QString& app, const QString& section, const QString& key);

} // namespace rt
