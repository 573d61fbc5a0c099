#pragma once

#include <QString>
#include <QStringList>

namespace rt {

// Opening, printing and running files and programs, with the shell's result codes: above 32 is
// success; 2 file not found, 3 path not found, 5 access denied, 8 out of memory, 11 bad format,
// 26 to 32 sharing, association and DDE failures (31: no program is associated).
class Shell {
public:
    virtual ~Shell() = default;
    // verb "open" or "print"; a relative file is taken in `dir`.
    virtual int execute(const QString& verb, const QString& file, const QString& params, const QString& dir,
                        int show) = 0;
    // The program associated with the file, into *program.
    virtual int findExecutable(const QString& file, const QString& dir, QString* program) = 0;
    // Runs a program and waits until it ends; its exit code, or -1 when it could not start.
    virtual int runAndWait(const QString& program, const QStringList& args) = 0;
    // Starts a program without waiting: its task id, 0 when none; error 53 when the program is missing.
    virtual qint64 startProgram(const QString& path, const QStringList& args) = 0;
};

// The desktop's association (xdg-mime, the desktop entry, xdg-open), CUPS's lp, QProcess. Programs and
// their arguments always travel apart, never as one command line split at blanks. Files are found as
// the Windows shell finds them (lookUpPath). Of the failure codes Linux gives 2, 3 and 5 for the file
// or folder, 31 when no program is associated with the file's type (or lp or xdg-open is missing or
// fails), 27 when the associated desktop entry names no program that is there, 11 when its program
// cannot be run; the others have no Linux cause.
class LinuxShell : public Shell {
public:
    int execute(const QString& verb, const QString& file, const QString& params, const QString& dir,
                int show) override;
    int findExecutable(const QString& file, const QString& dir, QString* program) override;
    int runAndWait(const QString& program, const QStringList& args) override;
    qint64 startProgram(const QString& path, const QStringList& args) override;
};

} // namespace rt
