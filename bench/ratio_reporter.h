#pragma once

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>

// The console report, keeping each benchmark's time per iteration so that a program can print the
// ratios of its pairs at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    struct Seconds {
        double real = 0, cpu = 0;
    };
    std::map<std::string, Seconds> seconds;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs)
            if (r.iterations > 0 && r.run_type == Run::RT_Iteration)
                seconds[r.run_name.function_name] = {r.real_accumulated_time / double(r.iterations),
                                                     r.cpu_accumulated_time / double(r.iterations)};
        ConsoleReporter::ReportRuns(runs);
    }

    // "label: x real time, y CPU time note", the ratios of a to b, when both ran.
    void printRatio(const std::string& label, const std::string& a, const std::string& b,
                    const char* note = "") {
        const Seconds top = seconds[a], bottom = seconds[b];
        if (bottom.real > 0 && bottom.cpu > 0)
            std::printf("%-28s %.2f real time, %.2f CPU time %s\n", (label + ':').c_str(),
                        top.real / bottom.real, top.cpu / bottom.cpu, note);
    }
};
