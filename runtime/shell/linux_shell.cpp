#include "shell.h"

#include "runtime/error.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

namespace rt {

namespace {

constexpr int ok = 42, fileNotFound = 2, pathNotFound = 3, accessDenied = 5, noAssociation = 31;

bool isUrl(const QString& file) {
    return file.contains(QLatin1String("://")) || file.startsWith("mailto:");
}

QString resolve(const QString& file, const QString& dir) {
    return dir.isEmpty() || QFileInfo(file).isAbsolute() ? file : QDir(dir).filePath(file);
}

// The shell's code for a file that is to be opened or printed, 0 when it is there.
int checkFile(const QString& path, const QString& dir) {
    if (!dir.isEmpty() && !QFileInfo(dir).isDir()) return pathNotFound;
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

// The program of a desktop entry's Exec line: its first word.
QString programOfDesktopEntry(const QString& entry) {
    const QString file = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, entry);
    if (file.isEmpty()) return {};
    QSettings desktop(file, QSettings::IniFormat);
    const QString exec = desktop.value(QStringLiteral("Desktop Entry/Exec")).toString();
    const QStringList words = QProcess::splitCommand(exec);
    if (words.isEmpty()) return {};
    const QString found = QStandardPaths::findExecutable(words.first());
    return found.isEmpty() ? words.first() : found;
}

} // namespace

int LinuxShell::execute(const QString& verb, const QString& file, const QString&, const QString& dir, int) {
    if (verb.compare(QLatin1String("print"), Qt::CaseInsensitive) == 0) {
        const QString path = resolve(file, dir);
        if (const int code = checkFile(path, dir)) return code;
        return QProcess::execute(QStringLiteral("lp"), {QStringLiteral("--"), path}) == 0 ? ok
                                                                                          : noAssociation;
    }
    if (isUrl(file)) return QDesktopServices::openUrl(QUrl(file)) ? ok : noAssociation;
    const QString path = resolve(file, dir);
    if (const int code = checkFile(path, dir)) return code;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath())) ? ok
                                                                                              : noAssociation;
}

int LinuxShell::findExecutable(const QString& file, const QString& dir, QString* program) {
    const QString path = resolve(file, dir);
    if (const int code = checkFile(path, dir)) return code;
    const QString type =
        output(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("filetype"), path});
    const QString entry = type.isEmpty() ? QString()
                                         : output(QStringLiteral("xdg-mime"),
                                                  {QStringLiteral("query"), QStringLiteral("default"), type});
    const QString found = entry.isEmpty() ? QString() : programOfDesktopEntry(entry);
    if (found.isEmpty()) return noAssociation;
    if (program) *program = found;
    return ok;
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
