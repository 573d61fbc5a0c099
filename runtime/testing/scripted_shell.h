#pragma once

#include "../shell/shell.h"

#include "../error.h"

#include <QList>
#include <deque>

namespace rt {

// Logs every call and answers from scripted codes (42 when none is scripted).
class ScriptedShell : public Shell {
public:
    struct Call {
        QString what, file, params, dir;
        QStringList args;
        int show = 0;
        bool operator==(const Call&) const = default;
    };

    int execute(const QString& verb, const QString& file, const QString& params, const QString& dir,
                int show) override {
        calls.append({verb, file, params, dir, {}, show});
        return next();
    }
    int findExecutable(const QString& file, const QString& dir, QString* program) override {
        calls.append({"find", file, {}, dir, {}, 0});
        const int code = next();
        if (program && code > 32) *program = associatedProgram;
        return code;
    }
    int runAndWait(const QString& program, const QStringList& args) override {
        calls.append({"run", program, {}, {}, args});
        return next(0);
    }
    qint64 startProgram(const QString& path, const QStringList& args) override {
        calls.append({"start", path, {}, {}, args});
        if (startError) throw RuntimeError(startError);
        return next();
    }

    QList<Call> calls;
    std::deque<int> codes;
    QString associatedProgram = QStringLiteral("/usr/bin/reader");
    int startError = 0;

private:
    int next(int fallback = 42) {
        if (codes.empty()) return fallback;
        const int c = codes.front();
        codes.pop_front();
        return c;
    }
};

} // namespace rt
