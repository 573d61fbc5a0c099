#include "process.h"

#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace lingo {
namespace {

std::vector<char*> argumentVector(const std::vector<std::string>& arguments) {
    std::vector<char*> vector;
    for (const std::string& argument : arguments) vector.push_back(const_cast<char*>(argument.c_str()));
    vector.push_back(nullptr);
    return vector;
}

int waitFor(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void writeAll(int fd, const void* data, size_t size) {
    while (write(fd, data, size) < 0 && errno == EINTR) {
    }
}

} // namespace

ProgramRun runProgram(const std::vector<std::string>& arguments, int inputFd) {
    ProgramRun run;
    int output[2];
    if (pipe2(output, O_CLOEXEC) != 0) {
        run.startError = errno;
        return run;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (inputFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, inputFd, 0);
    else
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, output[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv = argumentVector(arguments);
    pid_t pid = 0;
    run.startError = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    if (run.startError == 0) {
        char chunk[4096];
        for (;;) {
            const ssize_t got = read(output[0], chunk, sizeof chunk);
            if (got > 0)
                run.output.append(chunk, static_cast<size_t>(got));
            else if (got == 0 || errno != EINTR)
                break;
        }
        run.exitStatus = waitFor(pid);
    }
    close(output[0]);
    return run;
}

int startProgram(const std::vector<std::string>& arguments, const std::string& directory) {
    std::vector<char*> argv = argumentVector(arguments);
    int failure[2];
    if (pipe2(failure, O_CLOEXEC) != 0) return errno;
    const pid_t middle = fork();
    if (middle == 0) {
        // The middle process ends at once, so the program is adopted by init and never becomes a zombie.
        const pid_t program = fork();
        if (program != 0) {
            if (program < 0) writeAll(failure[1], &errno, sizeof errno);
            _exit(0);
        }
        setsid();
        const int devNull = open("/dev/null", O_RDONLY);
        if (devNull >= 0) dup2(devNull, 0);
        if (directory.empty() || chdir(directory.c_str()) == 0) execvp(argv[0], argv.data());
        writeAll(failure[1], &errno, sizeof errno);
        _exit(127);
    }
    const int forkError = errno;
    close(failure[1]);
    if (middle < 0) {
        close(failure[0]);
        return forkError;
    }
    waitFor(middle);
    int error = 0;
    ssize_t got;
    while ((got = read(failure[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    close(failure[0]);
    return got == static_cast<ssize_t>(sizeof error) ? error : 0;
}

} // namespace lingo
