// The four exports of a control library, its version record and its type library, compiled into each library
// by lk_add_ocx (cmake/LarkspanOcx.cmake), which defines the LK_OCX_ names below.
#include LK_OCX_FACTORY_HEADER
#ifdef LK_OCX_MEMBER_HELP_HEADER
#include LK_OCX_MEMBER_HELP_HEADER
#else
#define LK_MEMBER_HELP ""
#endif
// Every control's type library has this version.
#define LK_TYPELIB_VERSION "1.0"

#include "runtime/com/component_server.h"
#include "runtime/settings.h"

#include <QFileInfo>
#include <dlfcn.h>

namespace {

// Never destroyed: controls may outlive the library's static objects at the end of the run.
rt::ComponentServer& server() {
    static auto* s =
        new rt::ComponentServer({QStringLiteral(LK_OCX_PROGID),
                                 QUuid::fromString(QLatin1String(LK_OCX_CLSID)),
                                 QStringLiteral(LK_OCX_VERSION),
                                 &LK_OCX_FACTORY,
                                 {QUuid::fromString(QLatin1String(LK_OCX_LIBID)),
                                  QStringLiteral(LK_TYPELIB_VERSION), QStringLiteral(LK_OCX_HELPSTRING)}});
    return *s;
}

// This library's own file, as the component rows name it.
QString ownPath() {
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&ownPath), &info) || !info.dli_fname) return {};
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).canonicalFilePath();
}

// The version record: static data in a section of its own, readable without loading the library.
[[gnu::section(".lk_version"), gnu::used]] const char versionRecord[] = "FileVersion=" LK_OCX_VERSION "\n"
                                                                        "ProductName=" LK_OCX_PRODUCT "\n"
                                                                        "InternalName=" LK_OCX_PROJECT "\n"
                                                                        "OriginalFilename=" LK_OCX_FILE "\n"
                                                                        "Comments=" LK_OCX_COMMENT "\n";

// The type library: its name is the project's; the members' help strings come from the control.
[[gnu::section(".lk_typelib"), gnu::used]] const char typeLibrary[] =
    "Name=" LK_OCX_PROJECT "\n"
    "LibId=" LK_OCX_LIBID "\n"
    "Version=" LK_TYPELIB_VERSION "\n"
    "HelpString=" LK_OCX_HELPSTRING "\n" LK_MEMBER_HELP;

} // namespace

extern "C" {

rt::HResult DllRegisterServer() {
    const QString path = ownPath();
    if (path.isEmpty()) return rt::SELFREG_E_CLASS;
    rt::IniSettings settings;
    return server().registerServer(settings, path);
}

rt::HResult DllUnregisterServer() {
    const QString path = ownPath();
    if (path.isEmpty()) return rt::SELFREG_E_CLASS;
    rt::IniSettings settings;
    return server().unregisterServer(settings, path);
}

rt::HResult DllGetClassObject(const QUuid& clsid, const QUuid&, void** factory) {
    return server().getClassObject(clsid, factory);
}

rt::HResult DllCanUnloadNow() {
    return server().canUnloadNow();
}

} // extern "C"
