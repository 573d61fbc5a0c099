#pragma once

#include <QMap>
#include <QString>

namespace rt {

// The records a control library carries as static data, each in an ELF section of its own and readable
// without loading the library: the version record (".lk_version": FileVersion, ProductName,
// InternalName, OriginalFilename, Comments) and the type-library record (".lk_typelib": Name, LibId,
// Version, HelpString and one "Member.NAME" line per member help string). Each is "key=value" lines.
inline constexpr char versionSection[] = ".lk_version";
inline constexpr char typeLibrarySection[] = ".lk_typelib";

// The record in `section` of the 64-bit ELF file `library`; empty when the file cannot be read, is no
// such file or has no such section.
QMap<QString, QString> libraryRecord(const QString& library, const char* section);

} // namespace rt
