#pragma once

#include <QLibrary>
#include <QString>
#include <stdexcept>

namespace rt {

// An exported function of a control library, for tests that call the exports themselves. The library
// stays loaded: QLibrary unloads nothing here.
template <typename Fn> Fn libraryEntry(const QString& library, const char* name) {
    QLibrary lib(library);
    if (!lib.load()) throw std::runtime_error(lib.errorString().toStdString());
    return reinterpret_cast<Fn>(lib.resolve(name));
}

} // namespace rt
