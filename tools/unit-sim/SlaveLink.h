#pragma once

#include <string>

namespace korvane::unitsim {

// A symlink to the slave, removed again on destruction if it still points there.
class SlaveLink {
public:
    SlaveLink() = default;
    ~SlaveLink();
    SlaveLink(const SlaveLink &) = delete;
    SlaveLink &operator=(const SlaveLink &) = delete;

    // Replaces an existing symlink at linkPath; refuses to replace anything else.
    [[nodiscard]] bool create(const std::string &linkPath, const std::string &target, std::string &error);
    void remove();

private:
    std::string m_linkPath;
    std::string m_target;
};

}  // namespace korvane::unitsim
