#include "PseudoTerminal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace korvane::unitsim {

namespace {

std::string Reason(const char *what)
{
    return std::string(what) + ": " + std::strerror(errno);
}

}  // namespace

PseudoTerminal::~PseudoTerminal()
{
    close();
}

bool PseudoTerminal::open(std::string &error)
{
    close();
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0) {
        error = Reason("posix_openpt");
        return false;
    }
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        error = Reason("grantpt/unlockpt");
        close();
        return false;
    }
    char name[256];
    if (::ptsname_r(m_master, name, sizeof name) != 0) {
        error = Reason("ptsname_r");
        close();
        return false;
    }
    m_slavePath = name;
    m_slave = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slave < 0) {
        error = Reason("open slave");
        close();
        return false;
    }
    termios settings{};
    if (::tcgetattr(m_slave, &settings) != 0) {
        error = Reason("tcgetattr");
        close();
        return false;
    }
    // Raw both ways: no echo of the tool's bytes back to the unit, no CR/LF games.
    ::cfmakeraw(&settings);
    ::cfsetispeed(&settings, B57600);
    ::cfsetospeed(&settings, B57600);
    settings.c_cflag |= CLOCAL | CREAD;
    if (::tcsetattr(m_slave, TCSANOW, &settings) != 0) {
        error = Reason("tcsetattr");
        close();
        return false;
    }
    const int flags = ::fcntl(m_master, F_GETFL);
    if (flags < 0 || ::fcntl(m_master, F_SETFL, flags | O_NONBLOCK) != 0) {
        error = Reason("fcntl");
        close();
        return false;
    }
    return true;
}

void PseudoTerminal::close()
{
    if (m_master >= 0) {
        ::close(m_master);
        m_master = -1;
    }
    if (m_slave >= 0) {
        ::close(m_slave);
        m_slave = -1;
    }
}

}  // namespace korvane::unitsim
