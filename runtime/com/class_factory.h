#pragma once

#include <QUuid>
#include <QtGlobal>

class QWidget;

namespace rt {

class Control;

// The results of a control library's exports.
using HResult = qint32;
constexpr HResult S_OK = 0;
constexpr HResult S_FALSE = 1;
constexpr HResult E_POINTER = HResult(0x80004003);
constexpr HResult CLASS_E_CLASSNOTAVAILABLE = HResult(0x80040111);
constexpr HResult SELFREG_E_CLASS = HResult(0x80040201);

// What DllGetClassObject hands out: it makes the controls of one class.
class ClassFactory {
public:
    virtual ~ClassFactory() = default;
    // A new control, owned by `parent`.
    virtual Control* createInstance(QWidget* parent) = 0;
    // A lock keeps the library in use while no control lives.
    virtual void lockServer(bool lock) = 0;
};

// The four exports every control library has, unmangled.
using DllRegisterServerFn = HResult (*)();
using DllUnregisterServerFn = HResult (*)();
// `iid` is not compared: the hosts ask for the factory only.
using DllGetClassObjectFn = HResult (*)(const QUuid& clsid, const QUuid& iid, void** factory);
using DllCanUnloadNowFn = HResult (*)();

} // namespace rt
