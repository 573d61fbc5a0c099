#pragma once

// A built program in a process of its own with LARKSPAN_WINDOW_REPORT set: the test reads the windows it
// reports and sends it the commands of runtime/ui/window_report.h, as a user would act.
#include <QProcess>
#include <QString>
#include <gtest/gtest.h>

class ReportedProgram {
public:
    // Long enough for a loaded machine; a program that never answers fails the test instead of hanging it.
    static constexpr int waitMs = 30000;

    ReportedProgram(const QString& path, const QProcessEnvironment& environment) : path_(path) {
        process_.setProcessEnvironment(environment);
    }
    ~ReportedProgram() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(waitMs);
        }
    }

    void start(const QString& key) {
        process_.start(path_, {key});
        ASSERT_TRUE(process_.waitForStarted(waitMs));
    }
    // The next line the program writes, or empty when it ends or says nothing in time.
    QString nextLine() {
        while (!process_.canReadLine())
            if (!process_.waitForReadyRead(waitMs)) return {};
        return QString::fromUtf8(process_.readLine()).chopped(1);
    }
    // The next line that begins with `start`, passing over the others (windows shown meanwhile, answers
    // to commands that opened a modal window and only now returned).
    QString lineStarting(const QString& start) {
        for (QString line = nextLine(); !line.isEmpty(); line = nextLine())
            if (line.startsWith(start)) return line;
        return {};
    }
    void send(const QString& command) {
        process_.write((command + u'\n').toUtf8());
        process_.waitForBytesWritten(waitMs);
    }
    QString property(const QString& name, const QString& property) {
        send(QStringLiteral("property %1 %2").arg(name, property));
        // Empty when the program has no such object (it answers "missing").
        for (QString line = nextLine(); !line.isEmpty(); line = nextLine())
            if (line.startsWith(QLatin1String("property\t")) || line.startsWith(QLatin1String("missing\t")))
                return line.section(u'\t', 3);
        return {};
    }
    // The exit code once the program has ended by itself; -1 when it crashed or did not end.
    int exitCode() {
        if (!process_.waitForFinished(waitMs) || process_.exitStatus() != QProcess::NormalExit) return -1;
        return process_.exitCode();
    }
    QString remainingOutput() { return QString::fromUtf8(process_.readAllStandardOutput()); }

private:
    QString path_;
    QProcess process_;
};
