// lk-regsvr [-u] FILE…: registers each control library in the component rows of the settings store
// (LARKSPAN_SETTINGS names its file), or with -u unregisters it.
// lk-regsvr --describe FILE: prints the library's type library (name, id, version, help string and the
// members' help strings), one "key=value" line each.
#include "class_factory.h"
#include "library_records.h"

#include <QFileInfo>
#include <QLibrary>
#include <QTextStream>

namespace {

int usage(QTextStream& err) {
    err << "usage: lk-regsvr [-u] FILE...\n       lk-regsvr --describe FILE\n";
    return 2;
}

int describe(const QString& file, QTextStream& out, QTextStream& err) {
    const QMap<QString, QString> record = rt::libraryRecord(file, rt::typeLibrarySection);
    if (record.isEmpty()) {
        err << "lk-regsvr: " << file << ": no type library in it\n";
        return 1;
    }
    // The library's own lines first, then the members in name order.
    for (const char* key : {"Name", "LibId", "Version", "HelpString"})
        out << key << '=' << record.value(QLatin1String(key)) << '\n';
    for (auto it = record.cbegin(); it != record.cend(); ++it)
        if (it.key().startsWith(QLatin1String("Member."))) out << it.key() << '=' << it.value() << '\n';
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QTextStream out(stdout), err(stderr);
    if (argc == 3 && QLatin1String(argv[1]) == QLatin1String("--describe"))
        return describe(QString::fromLocal8Bit(argv[2]), out, err);
    QStringList files;
    bool unregister = false;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("-u"))
            unregister = true;
        else if (arg.startsWith(u'-'))
            return usage(err);
        else
            files << arg;
    }
    if (files.isEmpty()) return usage(err);

    const char* entry = unregister ? "DllUnregisterServer" : "DllRegisterServer";
    int failures = 0;
    for (const QString& file : files) {
        const QFileInfo info(file);
        QLibrary lib(info.absoluteFilePath());
        if (!info.isFile() || !lib.load()) {
            err << "lk-regsvr: " << file << ": cannot be loaded"
                << (info.isFile() ? QStringLiteral(" (%1)").arg(lib.errorString()) : QString()) << "\n";
            ++failures;
            continue;
        }
        const auto fn = reinterpret_cast<rt::DllRegisterServerFn>(lib.resolve(entry));
        if (!fn) {
            err << "lk-regsvr: " << file << ": " << entry << " not found\n";
            ++failures;
            continue;
        }
        const rt::HResult hr = fn();
        if (hr != rt::S_OK) {
            err << "lk-regsvr: " << entry << " in " << file << " failed, code 0x"
                << QString::number(quint32(hr), 16).toUpper() << "\n";
            ++failures;
            continue;
        }
        out << entry << " in " << file << " succeeded.\n";
    }
    return failures ? 1 : 0;
}
