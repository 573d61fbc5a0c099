#pragma once

#include <QByteArray>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <functional>
#include <map>
#include <string>

// The console report, keeping each benchmark's time per iteration: the median of its repetitions when
// it was repeated (--benchmark_repetitions), else its one run. A program prints its ratios from these
// and its rows of the table that scripts/bench.sh gathers.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    struct Seconds {
        double real = 0, cpu = 0;
    };

    // What a row's median is held to: a ratio to its baseline, or a time.
    struct Goal {
        enum Kind { Ratio, Milliseconds } kind;
        double limit;
    };

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            if (r.error_occurred || r.iterations <= 0) continue;
            const std::string name =
                r.run_name.function_name + (r.run_name.args.empty() ? "" : '/' + r.run_name.args);
            const Seconds s{r.real_accumulated_time / double(r.iterations),
                            r.cpu_accumulated_time / double(r.iterations)};
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median")
                medians_[name] = s;
            else if (r.run_type == Run::RT_Iteration)
                runs_[name] = s;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // The benchmark's time per iteration; zeros when it did not run.
    Seconds seconds(const std::string& name) const {
        if (const auto m = medians_.find(name); m != medians_.end()) return m->second;
        const auto r = runs_.find(name);
        return r == runs_.end() ? Seconds{} : r->second;
    }

    // "label: x real time, y CPU time note", the ratios of a to b, when both ran.
    void printRatio(const std::string& label, const std::string& a, const std::string& b,
                    const char* note = "") const {
        const Seconds top = seconds(a), bottom = seconds(b);
        if (bottom.real > 0 && bottom.cpu > 0)
            std::printf("%-28s %.2f real time, %.2f CPU time %s\n", (label + ':').c_str(),
                        top.real / bottom.real, top.cpu / bottom.cpu, note);
    }

    // Which time a row holds: CPU time, the program's own work, which the load other processes put on
    // the machine changes far less than the elapsed time (the benchmarks' files are in memory, so no
    // time goes to waiting for a disk either); the elapsed time where the work is done by processes of
    // its own, whose CPU time this one does not see.
    enum class Clock { Cpu, Elapsed };

    // One row of the table: "@row|label|size|median|baseline|ratio|goal|holds"; the baseline (a
    // benchmark of raw SQLite or of the toolkit alone) may be empty. Nothing when `name` did not run (a
    // filter left it out).
    void row(const std::string& label, const std::string& size, const std::string& name,
             const std::string& baseline, Goal goal, Clock clock = Clock::Cpu) const {
        const auto time = [&](const std::string& n) {
            return clock == Clock::Cpu ? seconds(n).cpu : seconds(n).real;
        };
        const double t = time(name), b = baseline.empty() ? 0 : time(baseline);
        if (t <= 0) return;
        const double ratio = b > 0 ? t / b : 0;
        char goalText[32], ratioText[16] = "-";
        if (b > 0) std::snprintf(ratioText, sizeof ratioText, "%.2f", ratio);
        const bool holds = goal.kind == Goal::Ratio ? b > 0 && ratio <= goal.limit : t * 1e3 <= goal.limit;
        if (goal.kind == Goal::Ratio)
            std::snprintf(goalText, sizeof goalText, "ratio <= %g", goal.limit);
        else
            std::snprintf(goalText, sizeof goalText, "<= %g ms", goal.limit);
        std::printf("@row|%s|%s|%s|%s|%s|%s|%s\n", label.c_str(), size.c_str(), text(t).c_str(),
                    b > 0 ? text(b).c_str() : "-", ratioText, goalText, holds ? "yes" : "NO");
    }

private:
    static std::string text(double s) {
        char text[32];
        if (s >= 1e-3)
            std::snprintf(text, sizeof text, "%.2f ms", s * 1e3);
        else
            std::snprintf(text, sizeof text, "%.1f us", s * 1e6);
        return text;
    }

    std::map<std::string, Seconds> medians_, runs_;
};

// The main of a benchmark program: its application object (App) made, the benchmarks run through a
// RatioReporter, then `report` prints from their times.
// Windows are made offscreen unless a platform is chosen.
template <class App>
int runBenchmarks(int argc, char** argv, const std::function<void(RatioReporter&)>& report) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    App app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    report(reporter);
    benchmark::Shutdown();
    return 0;
}
