#include "component_server.h"

#include "component_registry.h"
#include "control.h"
#include "runtime/error.h"

namespace rt {

HResult ComponentServer::registerServer(SettingsStore& settings, const QString& library) {
    try {
        ComponentRegistry registry(settings);
        registry.enter(class_.progId, class_.clsid, library, class_.version);
        registry.enterTypeLibrary(class_.clsid, class_.typeLibrary, library);
        return S_OK;
    } catch (const RuntimeError&) {
        return SELFREG_E_CLASS;
    }
}

HResult ComponentServer::unregisterServer(SettingsStore& settings, const QString& library) {
    try {
        ComponentRegistry registry(settings);
        registry.withdrawTypeLibrary(class_.clsid, class_.typeLibrary, library);
        registry.withdraw(class_.progId, class_.clsid, library);
        return S_OK;
    } catch (const RuntimeError&) {
        return SELFREG_E_CLASS;
    }
}

HResult ComponentServer::getClassObject(const QUuid& clsid, void** factory) {
    if (!factory) return E_POINTER;
    *factory = nullptr;
    if (clsid != class_.clsid) return CLASS_E_CLASSNOTAVAILABLE;
    *factory = static_cast<ClassFactory*>(this);
    return S_OK;
}

HResult ComponentServer::canUnloadNow() const {
    return living_ == 0 && locks_ == 0 ? S_OK : S_FALSE;
}

Control* ComponentServer::createInstance(QWidget* parent) {
    Control* control = class_.create(parent);
    if (!control) return nullptr;
    ++living_;
    QObject::connect(control, &QObject::destroyed, [this] { --living_; });
    return control;
}

void ComponentServer::lockServer(bool lock) {
    if (lock)
        ++locks_;
    else if (locks_ > 0)
        --locks_;
}

} // namespace rt
