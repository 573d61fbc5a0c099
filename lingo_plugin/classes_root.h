// The classes root that the look-ups read: the component rows that the controls' registration writes into
// the programs' settings file (a QSettings INI file), under the group "Components". A row's key is the
// registry key's path and its value the key's value.
#pragma once

#include <cstdint>
#include <string>

namespace lingo {

// The settings store's file: LARKSPAN_SETTINGS when set, else Larkspan/settings.ini in the user's XDG config
// folder ($XDG_CONFIG_HOME, else ~/.config).
std::string settingsFilePath();

// 0 with the value of the key (a key that only has sub-keys gives an empty text), or 2 when it is not there.
int32_t classesRootValue(const std::string& settingsFile, const std::string& key, std::string& value);

// A key path as the settings store has QSettings write it: sub-keys joined by "\" and escaped twice,
// first by the store ("%" for an empty name, %25 %2F %5C), then by QSettings (%XX, %UXXXX).
std::string decodeSettingsKey(const std::string& raw);
// A text value as QSettings writes it: optional double quotes, backslash escapes, "@@" for a leading "@".
std::string decodeSettingsValue(const std::string& raw);

} // namespace lingo
