#pragma once

// Runs a program as a real child process, capturing its output, with a time
// limit after which it is killed, and optionally a signal sent part-way.

#include <spawn.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

extern char **environ;

namespace korvane::test {

struct ProcessResult {
    int exitCode = -1;      // -1 when it did not exit normally
    int termSignal = 0;     // the signal that ended it, if any
    bool timedOut = false;  // killed at the time limit
    std::string out;
    std::string err;
    double seconds = 0.0;
};

struct ProcessOptions {
    std::chrono::milliseconds timeLimit{20000};
    std::optional<std::chrono::milliseconds> signalAfter;
    int signal = SIGTERM;
};

class Pipe {
public:
    Pipe()
    {
        if (::pipe(m_fds) != 0) {
            throw std::runtime_error("pipe failed");
        }
    }
    ~Pipe()
    {
        closeRead();
        closeWrite();
    }
    Pipe(const Pipe &) = delete;
    Pipe &operator=(const Pipe &) = delete;

    [[nodiscard]] int readEnd() const { return m_fds[0]; }
    [[nodiscard]] int writeEnd() const { return m_fds[1]; }
    void closeRead() { closeFd(m_fds[0]); }
    void closeWrite() { closeFd(m_fds[1]); }

private:
    static void closeFd(int &fd)
    {
        if (fd >= 0) {
            ::close(fd);
            fd = -1;
        }
    }
    int m_fds[2] = {-1, -1};
};

// Starts program with arguments; stdout and stderr go to the given pipe ends
// (or stay inherited when -1).
inline pid_t Spawn(const std::string &program, const std::vector<std::string> &arguments, int outFd, int errFd,
                   const std::vector<int> &closeInChild)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (outFd >= 0) {
        posix_spawn_file_actions_adddup2(&actions, outFd, STDOUT_FILENO);
    }
    if (errFd >= 0) {
        posix_spawn_file_actions_adddup2(&actions, errFd, STDERR_FILENO);
    }
    for (const int fd : closeInChild) {
        posix_spawn_file_actions_addclose(&actions, fd);
    }
    std::vector<std::string> all{program};
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::vector<char *> argv;
    for (std::string &argument : all) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int error = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        throw std::runtime_error("cannot start " + program);
    }
    return pid;
}

inline ProcessResult RunProcess(const std::string &program, const std::vector<std::string> &arguments,
                                const ProcessOptions &options = {})
{
    using Clock = std::chrono::steady_clock;
    Pipe out;
    Pipe err;
    const auto start = Clock::now();
    const pid_t pid = Spawn(program, arguments, out.writeEnd(), err.writeEnd(), {out.readEnd(), err.readEnd()});
    out.closeWrite();
    err.closeWrite();

    ProcessResult result;
    bool outOpen = true;
    bool errOpen = true;
    bool signalled = false;
    char buffer[4096];
    while (outOpen || errOpen) {
        const auto now = Clock::now();
        if (now - start >= options.timeLimit) {
            ::kill(pid, SIGKILL);
            result.timedOut = true;
            break;
        }
        if (options.signalAfter && !signalled && now - start >= *options.signalAfter) {
            ::kill(pid, options.signal);
            signalled = true;
        }
        pollfd fds[2] = {{outOpen ? out.readEnd() : -1, POLLIN, 0}, {errOpen ? err.readEnd() : -1, POLLIN, 0}};
        if (::poll(fds, 2, 10) < 0) {
            continue;
        }
        for (int i = 0; i < 2; ++i) {
            if ((fds[i].revents & (POLLIN | POLLHUP | POLLERR)) == 0) {
                continue;
            }
            const ssize_t got = ::read(fds[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                (i == 0 ? result.out : result.err).append(buffer, static_cast<std::size_t>(got));
            } else {
                (i == 0 ? outOpen : errOpen) = false;
            }
        }
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (WIFEXITED(status)) {
        result.exitCode = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        result.termSignal = WTERMSIG(status);
    }
    return result;
}

}  // namespace korvane::test
