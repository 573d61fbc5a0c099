#include "component_registry.h"

#include "class_factory.h"
#include "runtime/error.h"

#include <QFileInfo>
#include <QLibrary>

namespace rt {

namespace {

const QString app = QStringLiteral("Components");

QString braced(const QUuid& id) {
    return id.toString(QUuid::WithBraces).toUpper();
}

QString classSection(const QUuid& clsid) {
    return QStringLiteral("CLSID\\") + braced(clsid);
}

QString typeLibrarySection(const QUuid& libId) {
    return QStringLiteral("TypeLib\\") + braced(libId);
}

// The section of one version of the type library.
QString typeLibrarySection(const TypeLibraryId& typeLibrary) {
    return typeLibrarySection(typeLibrary.libId) + u'\\' + typeLibrary.version;
}

RuntimeError cannotCreate(const QString& reason) {
    return RuntimeError(429, standardDescription(429) + QStringLiteral(": ") + reason);
}

} // namespace

void ComponentRegistry::enter(const QString& progId, const QUuid& clsid, const QString& library,
                              const QString& version) {
    const QString section = classSection(clsid);
    settings_.set(app, progId, QStringLiteral("CLSID"), braced(clsid));
    settings_.set(app, section, QStringLiteral("ProgID"), progId);
    settings_.set(app, section, QStringLiteral("InprocServer32"), library);
    settings_.set(app, section, QStringLiteral("Version"), version);
}

void ComponentRegistry::withdraw(const QString& progId, const QUuid& clsid, const QString& library) {
    if (this->library(clsid) != library) return;
    const QString section = classSection(clsid);
    for (const char* key : {"ProgID", "InprocServer32", "Version"})
        settings_.remove(app, section, QString::fromLatin1(key));
    if (classId(progId) == clsid) settings_.remove(app, progId, QStringLiteral("CLSID"));
}

void ComponentRegistry::enterTypeLibrary(const QUuid& clsid, const TypeLibraryId& typeLibrary,
                                         const QString& library) {
    const QString section = typeLibrarySection(typeLibrary);
    settings_.set(app, typeLibrarySection(typeLibrary.libId), typeLibrary.version, typeLibrary.helpString);
    settings_.set(app, section, QStringLiteral("FLAGS"), QStringLiteral("2"));
    settings_.set(app, section, QStringLiteral("HELPDIR"), QFileInfo(library).absolutePath());
    settings_.set(app, section + QStringLiteral("\\0"), QStringLiteral("win32"), library);
    settings_.set(app, classSection(clsid), QStringLiteral("TypeLib"), braced(typeLibrary.libId));
}

void ComponentRegistry::withdrawTypeLibrary(const QUuid& clsid, const TypeLibraryId& typeLibrary,
                                            const QString& library) {
    const QString section = typeLibrarySection(typeLibrary);
    if (settings_.get(app, section + QStringLiteral("\\0"), QStringLiteral("win32")) != library) return;
    settings_.remove(app, section + QStringLiteral("\\0"), QStringLiteral("win32"));
    settings_.remove(app, section, QStringLiteral("HELPDIR"));
    settings_.remove(app, section, QStringLiteral("FLAGS"));
    settings_.remove(app, typeLibrarySection(typeLibrary.libId), typeLibrary.version);
    if (settings_.get(app, classSection(clsid), QStringLiteral("TypeLib")) == braced(typeLibrary.libId))
        settings_.remove(app, classSection(clsid), QStringLiteral("TypeLib"));
}

QUuid ComponentRegistry::classId(const QString& progId) const {
    // A backslash would name another section of the classes root.
    if (progId.isEmpty() || progId.contains(u'\\')) return {};
    return QUuid::fromString(settings_.get(app, progId, QStringLiteral("CLSID")));
}

QString ComponentRegistry::library(const QUuid& clsid) const {
    return settings_.get(app, classSection(clsid), QStringLiteral("InprocServer32"));
}

Control* ComponentRegistry::create(const QString& progId, QWidget* parent) {
    const QUuid clsid = classId(progId);
    if (clsid.isNull()) throw cannotCreate(QStringLiteral("\"%1\" is not registered").arg(progId));
    const QString path = library(clsid);
    if (path.isEmpty()) throw cannotCreate(QStringLiteral("no library is registered for \"%1\"").arg(progId));
    // The library is never unloaded: its controls' code must outlive every QLibrary object.
    QLibrary lib(path);
    if (!lib.load()) throw cannotCreate(lib.errorString());
    const auto getClassObject = reinterpret_cast<DllGetClassObjectFn>(lib.resolve("DllGetClassObject"));
    if (!getClassObject) throw cannotCreate(QStringLiteral("%1 is no control library").arg(path));
    void* factory = nullptr;
    if (getClassObject(clsid, QUuid(), &factory) != S_OK || !factory)
        throw cannotCreate(QStringLiteral("%1 does not provide the class of \"%2\"").arg(path, progId));
    Control* control = static_cast<ClassFactory*>(factory)->createInstance(parent);
    if (!control) throw cannotCreate(QStringLiteral("%1 made no \"%2\"").arg(path, progId));
    return control;
}

} // namespace rt
