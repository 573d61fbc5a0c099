// Running the desktop's programs: program and arguments always travel apart, never as one command line.
#pragma once

#include <string>
#include <vector>

namespace lingo {

struct ProgramRun {
    int startError = 0;  // errno when the program could not be started
    int exitStatus = -1; // -1 when it did not end normally
    std::string output;  // what it wrote to its standard output
};

// Runs a program looked up on PATH and waits for it; its standard input is inputFd, or empty when -1.
ProgramRun runProgram(const std::vector<std::string>& arguments, int inputFd = -1);

// Starts a program looked up on PATH in directory (the current one when empty) and leaves it running on
// its own, so that no child is left for the host to reap. Returns 0, or the errno of the failed start.
int startProgram(const std::vector<std::string>& arguments, const std::string& directory);

} // namespace lingo
