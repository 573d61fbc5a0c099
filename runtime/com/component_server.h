#pragma once

#include "class_factory.h"
#include "component_registry.h"
#include "runtime/settings.h"

namespace rt {

// One control class as its library publishes it, with the library's type library.
struct ComponentClass {
    QString progId;
    QUuid clsid;
    QString version;
    Control* (*create)(QWidget* parent);
    TypeLibraryId typeLibrary;
};

// What a control library's four exports do (see ocx_exports.cpp): registration in the component rows,
// the class factory, and the count of living controls and locks.
class ComponentServer : public ClassFactory {
public:
    explicit ComponentServer(ComponentClass cls) : class_(std::move(cls)) {}

    // SELFREG_E_CLASS when the rows could not be written.
    HResult registerServer(SettingsStore& settings, const QString& library);
    HResult unregisterServer(SettingsStore& settings, const QString& library);
    // This server for the library's class id, else CLASS_E_CLASSNOTAVAILABLE.
    HResult getClassObject(const QUuid& clsid, void** factory);
    // S_OK when no control of this library lives and no lock is held, else S_FALSE.
    HResult canUnloadNow() const;

    Control* createInstance(QWidget* parent) override;
    void lockServer(bool lock) override;

private:
    ComponentClass class_;
    int living_ = 0;
    int locks_ = 0;
};

} // namespace rt
