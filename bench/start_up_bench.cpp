// The planner's start, from starting the program to its start-up dialog on the screen, beside the
// toolkit's floor: a bare application showing one window. Both run offscreen in processes of their own.
#include "ratio_reporter.h"
#include "runtime/settings.h"
#include "runtime/testing/registered_libraries.h"
#include "tools/install_course/install_course.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

constexpr int waitMs = 30000;

// SAMPLE1 installed into a settings file of the benchmark's own.
struct Installed {
    QTemporaryDir dir;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();

    Installed() {
        const QString course = dir.filePath("SAMPLE1");
        QDir().mkpath(course);
        for (const char* file : {"SAMPLE1.mdb", "SAMPLE1.cfg"})
            QFile::copy(QStringLiteral(LK_COURSE_DIR "/SAMPLE1/") + file, course + u'/' + file);
        rt::IniSettings settings(dir.filePath("settings.ini"));
        InstallCourse(settings, "SAMPLE1", course);
        rt::registerLibraries(settings.file(), {CVCELL_OCX, CVTAB_OCX});
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("LARKSPAN_SETTINGS", settings.file());
        environment.insert("LARKSPAN_WINDOW_REPORT", "1");
        environment.insert("TMPDIR", dir.path());
    }
};

// Starts the program and waits for the line that starts with `shown`; false when it never comes.
bool startUntilShown(QProcess& process, const QString& program, const QStringList& args,
                     const QByteArray& shown) {
    process.start(program, args);
    for (;;) {
        while (process.canReadLine())
            if (process.readLine().startsWith(shown)) return true;
        if (!process.waitForReadyRead(waitMs)) return false;
    }
}

void StartToStartUpDialog(benchmark::State& state) {
    Installed installed;
    for (auto _ : state) {
        QProcess planner;
        planner.setProcessEnvironment(installed.environment);
        if (!startUntilShown(planner, LK_PROGRAM_DIR "/Larkspan", {"SAMPLE1"}, "shown\tOpenApp")) {
            state.SkipWithError("the start-up dialog was not shown");
            return;
        }
        state.PauseTiming();
        planner.write("press Cancel\ntrigger mnuFileExit\n");
        planner.waitForFinished(waitMs);
        state.ResumeTiming();
    }
}
BENCHMARK(StartToStartUpDialog)->Unit(benchmark::kMillisecond)->UseRealTime();

void BareWindow(benchmark::State& state) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    for (auto _ : state) {
        QProcess bare;
        bare.setProcessEnvironment(environment);
        if (!startUntilShown(bare, BARE_WINDOW, {}, "shown")) {
            state.SkipWithError("the bare window was not shown");
            return;
        }
        state.PauseTiming();
        bare.waitForFinished(waitMs);
        state.ResumeTiming();
    }
}
BENCHMARK(BareWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks<QCoreApplication>(argc, argv, [](RatioReporter& reporter) {
        reporter.printRatio("start-up / bare window", "StartToStartUpDialog", "BareWindow",
                            "(goal: the start-up dialog within 300 ms)");
        reporter.row("Start to the start-up dialog", "SAMPLE1", "StartToStartUpDialog", "BareWindow",
                     {RatioReporter::Goal::Milliseconds, 300}, RatioReporter::Clock::Elapsed);
    });
}
