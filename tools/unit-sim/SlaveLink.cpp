#include "SlaveLink.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace korvane::unitsim {

namespace {

std::string Reason(const char *what)
{
    return std::string(what) + ": " + std::strerror(errno);
}

}  // namespace

SlaveLink::~SlaveLink()
{
    remove();
}

bool SlaveLink::create(const std::string &linkPath, const std::string &target, std::string &error)
{
    remove();
    struct stat info {};
    if (::lstat(linkPath.c_str(), &info) == 0) {
        if (!S_ISLNK(info.st_mode)) {
            error = "'" + linkPath + "' exists and is not a symlink";
            return false;
        }
        if (::unlink(linkPath.c_str()) != 0) {
            error = Reason(("unlink " + linkPath).c_str());
            return false;
        }
    }
    if (::symlink(target.c_str(), linkPath.c_str()) != 0) {
        error = Reason(("symlink " + linkPath).c_str());
        return false;
    }
    m_linkPath = linkPath;
    m_target = target;
    return true;
}

void SlaveLink::remove()
{
    if (m_linkPath.empty()) {
        return;
    }
    // Leave it alone if someone else has pointed it elsewhere meanwhile.
    std::vector<char> buffer(4096);
    const ssize_t length = ::readlink(m_linkPath.c_str(), buffer.data(), buffer.size());
    if (length > 0 && std::string(buffer.data(), static_cast<std::size_t>(length)) == m_target) {
        ::unlink(m_linkPath.c_str());
    }
    m_linkPath.clear();
    m_target.clear();
}

}  // namespace korvane::unitsim
