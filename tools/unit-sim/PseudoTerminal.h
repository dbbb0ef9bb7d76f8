#pragma once

// The master side of a pseudo-terminal whose slave a serial client opens. The
// slave stays open here as well, so the line does not hang up whenever the
// client closes it, and its raw 57600 settings stay in force.

#include <string>

namespace korvane::unitsim {

class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    // Creates the pair, sets the slave raw; the master is non-blocking.
    [[nodiscard]] bool open(std::string &error);
    void close();

    [[nodiscard]] int masterFd() const { return m_master; }
    [[nodiscard]] int slaveFd() const { return m_slave; }
    [[nodiscard]] const std::string &slavePath() const { return m_slavePath; }

private:
    int m_master = -1;
    int m_slave = -1;
    std::string m_slavePath;
};

}  // namespace korvane::unitsim
