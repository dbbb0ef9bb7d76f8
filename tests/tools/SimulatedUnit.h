#pragma once

// A simulated unit in its own process on a fresh pseudo-terminal, for one
// test: started with the given switches, stopped with the object.

#include "ChildProcess.h"

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace korvane::test {

class SimulatedUnit {
public:
    explicit SimulatedUnit(std::vector<std::string> switches = {})
    {
        switches.push_back("--quiet");
        Pipe out;
        m_pid = Spawn(KORVANE_SIM_PATH, switches, out.writeEnd(), -1, {out.readEnd()});
        out.closeWrite();
        m_path = ReadFirstLine(out.readEnd());
        if (m_path.empty()) {
            stop();
            throw std::runtime_error("the simulated unit did not report its terminal");
        }
    }
    ~SimulatedUnit() { stop(); }
    SimulatedUnit(const SimulatedUnit &) = delete;
    SimulatedUnit &operator=(const SimulatedUnit &) = delete;

    // The terminal to open, e.g. /dev/pts/3.
    [[nodiscard]] const std::string &path() const { return m_path; }

private:
    static std::string ReadFirstLine(int fd)
    {
        std::string line;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (std::chrono::steady_clock::now() < deadline) {
            pollfd entry{fd, POLLIN, 0};
            if (::poll(&entry, 1, 50) <= 0) {
                continue;
            }
            char c = 0;
            if (::read(fd, &c, 1) != 1) {
                break;
            }
            if (c == '\n') {
                return line;
            }
            line += c;
        }
        return {};
    }

    void stop()
    {
        if (m_pid <= 0) {
            return;
        }
        ::kill(m_pid, SIGTERM);
        int status = 0;
        for (int i = 0; i < 200; ++i) {
            if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_pid = 0;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, &status, 0);
        m_pid = 0;
    }

    pid_t m_pid = 0;
    std::string m_path;
};

}  // namespace korvane::test
