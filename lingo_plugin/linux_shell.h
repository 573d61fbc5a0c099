// The shell's open, print, find-program and run calls through the desktop association (xdg-open,
// xdg-mime), CUPS's lp and the program starter, answered with the shell's numbers: above 32 on success;
// 2 file not found, 3 folder not found, 5 access denied, 8 out of memory, 11 not a program, 31 no
// association otherwise.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lingo {

int32_t shellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                     const std::string& directory);
int32_t findExecutable(const std::string& file, const std::string& directory, std::string& program);
int32_t winExec(const std::string& commandLine); // 33 on success

// Splits a command line as the platform's programs do: blanks separate, double quotes group, and a
// backslash escapes a quote.
std::vector<std::string> splitCommandLine(const std::string& commandLine);

} // namespace lingo
