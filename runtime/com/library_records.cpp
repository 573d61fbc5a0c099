#include "library_records.h"

#include <QFile>
#include <cstring>
#include <elf.h>

namespace rt {

namespace {

// The bytes of the named section, or empty when the file is no sound 64-bit ELF file.
QByteArray sectionBytes(const QByteArray& elf, const char* section) {
    const auto fits = [&](quint64 offset, quint64 size) {
        return offset <= quint64(elf.size()) && size <= quint64(elf.size()) - offset;
    };
    if (!fits(0, sizeof(Elf64_Ehdr)) || std::memcmp(elf.constData(), ELFMAG, SELFMAG) != 0 ||
        elf[EI_CLASS] != ELFCLASS64)
        return {};
    Elf64_Ehdr header;
    std::memcpy(&header, elf.constData(), sizeof header);
    if (header.e_shentsize != sizeof(Elf64_Shdr) || header.e_shstrndx >= header.e_shnum ||
        !fits(header.e_shoff, quint64(header.e_shnum) * sizeof(Elf64_Shdr)))
        return {};
    const auto sectionHeader = [&](int i) {
        Elf64_Shdr s;
        std::memcpy(&s, elf.constData() + header.e_shoff + quint64(i) * sizeof s, sizeof s);
        return s;
    };
    const Elf64_Shdr names = sectionHeader(header.e_shstrndx);
    if (!fits(names.sh_offset, names.sh_size)) return {};
    const QByteArray wanted(section);
    for (int i = 0; i < header.e_shnum; ++i) {
        const Elf64_Shdr s = sectionHeader(i);
        if (s.sh_name >= names.sh_size) continue;
        const char* name = elf.constData() + names.sh_offset + s.sh_name;
        if (qstrnlen(name, uint(names.sh_size - s.sh_name)) != uint(wanted.size()) || wanted != name)
            continue;
        if (!fits(s.sh_offset, s.sh_size)) return {};
        return elf.mid(qsizetype(s.sh_offset), qsizetype(s.sh_size));
    }
    return {};
}

} // namespace

QMap<QString, QString> libraryRecord(const QString& library, const char* section) {
    QFile file(library);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QMap<QString, QString> record;
    for (const QByteArray& line : sectionBytes(file.readAll(), section).split('\n'))
        if (const auto eq = line.indexOf('='); eq > 0)
            record.insert(QString::fromUtf8(line.left(eq)), QString::fromUtf8(line.mid(eq + 1)));
    return record;
}

} // namespace rt
