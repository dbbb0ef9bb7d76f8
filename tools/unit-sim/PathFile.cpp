#include "PathFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <unistd.h>

namespace korvane::unitsim {

namespace {

std::string Reason(const char *what)
{
    return std::string(what) + ": " + std::strerror(errno);
}

}  // namespace

bool WriteFileAtomically(const std::string &path, const std::string &text, std::string &error)
{
    const std::string temporary = path + ".tmp" + std::to_string(::getpid());
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << text;
        file.flush();
        if (!file) {
            error = "cannot write '" + temporary + "'";
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = Reason(("rename to " + path).c_str());
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace korvane::unitsim
