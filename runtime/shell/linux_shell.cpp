#include "shell.h"

#include "desktop_entry.h"
#include "file_lookup.h"
#include "runtime/error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace rt {

namespace {

constexpr int ok = 42, fileNotFound = 2, pathNotFound = 3, accessDenied = 5, badProgram = 11,
              brokenAssociation = 27, noAssociation = 31;

bool isUrl(const QString& file) {
    return file.contains(QLatin1String("://")) || file.startsWith(QLatin1String("mailto:"));
}

// The file, taken in the folder when it is relative; empty for no file.
QString resolve(const QString& file, const QString& folder) {
    if (file.isEmpty()) return {};
    const QString name = lookUpPath(file);
    return folder.isEmpty() || QFileInfo(name).isAbsolute() ? name : lookUpPath(QDir(folder).filePath(name));
}

// The shell's code for a file that is to be opened or printed, 0 when it is there.
int checkFile(const QString& path, const QString& folder) {
    if (!folder.isEmpty() && !QFileInfo(folder).isDir()) return pathNotFound;
    if (path.isEmpty()) return fileNotFound;
    const QFileInfo info(path);
    if (!info.exists()) return info.dir().exists() ? fileNotFound : pathNotFound;
    if (!info.isReadable()) return accessDenied;
    return 0;
}

QString output(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(10000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return {};
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

// The desktop's program for the file's type: 31 when no program is associated, 27 when the association
// names none that is there, 11 when the one it names cannot be run.
int associatedProgram(const QString& path, QString* program) {
    const QString type =
        output(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("filetype"), path})
            .section(u';', 0, 0);
    const QString entry = type.isEmpty() ? QString()
                                         : output(QStringLiteral("xdg-mime"),
                                                  {QStringLiteral("query"), QStringLiteral("default"), type})
                                               .section(u';', 0, 0);
    if (entry.isEmpty()) return noAssociation;
    const QString named =
        QFile::decodeName(desktopEntryProgram(QFile::encodeName(entry).toStdString()).c_str());
    if (named.isEmpty()) return brokenAssociation;
    const QString found = QStandardPaths::findExecutable(named);
    if (found.isEmpty()) return QFileInfo(named).isFile() ? badProgram : brokenAssociation;
    if (program) *program = found;
    return ok;
}

// xdg-open returns at once under a desktop session but only when the viewer ends without one, so it is
// not waited for.
int openThroughDesktop(const QString& target, const QString& dir) {
    return QProcess::startDetached(QStringLiteral("xdg-open"), {target}, dir) ? ok : noAssociation;
}

} // namespace

int LinuxShell::execute(const QString& verb, const QString& file, const QString&, const QString& dir, int) {
    if (isUrl(file)) return openThroughDesktop(file, {});
    const QString folder = lookUpPath(dir), path = resolve(file, folder);
    if (const int code = checkFile(path, folder)) return code;
    if (verb.compare(QLatin1String("print"), Qt::CaseInsensitive) == 0)
        return QProcess::execute(QStringLiteral("lp"), {QStringLiteral("--"), path}) == 0 ? ok
                                                                                          : noAssociation;
    if (const int code = associatedProgram(path, nullptr); code <= 32) return code;
    return openThroughDesktop(QFileInfo(path).absoluteFilePath(), folder);
}

int LinuxShell::findExecutable(const QString& file, const QString& dir, QString* program) {
    const QString folder = lookUpPath(dir), path = resolve(file, folder);
    if (const int code = checkFile(path, folder)) return code;
    return associatedProgram(path, program);
}

int LinuxShell::runAndWait(const QString& program, const QStringList& args) {
    const int code = QProcess::execute(program, args);
    return code < 0 ? -1 : code;
}

qint64 LinuxShell::startProgram(const QString& path, const QStringList& args) {
    if (!QFileInfo(path).isFile()) throw RuntimeError(53);
    qint64 pid = 0;
    if (!QProcess::startDetached(path, args, QFileInfo(path).absolutePath(), &pid)) return 0;
    return pid;
}

} // namespace rt
