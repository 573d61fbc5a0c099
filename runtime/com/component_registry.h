#pragma once

#include "runtime/settings.h"

#include <QUuid>

class QWidget;

namespace rt {

class Control;

// A type library as the classes root names it.
struct TypeLibraryId {
    QUuid libId;
    QString version; // "1.0"
    QString helpString;
};

// The component rows of the settings store, laid out as the classes root under the application name
// "Components": section progId, key "CLSID"; section "CLSID\{…}", keys "ProgID", "InprocServer32" (the
// library's absolute path), "Version" and "TypeLib" (the type library's id). Beside them the type-library
// rows: section "TypeLib\{…}", key the version, holding the help string; section "TypeLib\{…}\1.0", keys
// "FLAGS" (2, a control's) and "HELPDIR" (the library's folder); section "TypeLib\{…}\1.0\0", key
// "win32" (the library).
class ComponentRegistry {
public:
    explicit ComponentRegistry(SettingsStore& settings) : settings_(settings) {}

    // Writes the rows of one class; an earlier registration of the identifier is replaced.
    void enter(const QString& progId, const QUuid& clsid, const QString& library, const QString& version);
    // Removes the rows of this class that name `library`; rows another library wrote stay.
    void withdraw(const QString& progId, const QUuid& clsid, const QString& library);
    // Writes the type-library rows of `library` and names the type library in the class's rows.
    void enterTypeLibrary(const QUuid& clsid, const TypeLibraryId& typeLibrary, const QString& library);
    // Removes the type-library rows that name `library`, and the class's "TypeLib".
    void withdrawTypeLibrary(const QUuid& clsid, const TypeLibraryId& typeLibrary, const QString& library);

    // The class id registered for `progId`; null when there is none.
    QUuid classId(const QString& progId) const;
    // The library registered for the class; empty when there is none.
    QString library(const QUuid& clsid) const;

    // A new control of the class registered for `progId`, from its library (loaded once and kept for
    // the whole run: the widgets' code lives there). Error 429, with the reason in the description,
    // when the identifier is not registered, the library cannot be loaded or does not make the class.
    Control* create(const QString& progId, QWidget* parent);

private:
    SettingsStore& settings_;
};

} // namespace rt
