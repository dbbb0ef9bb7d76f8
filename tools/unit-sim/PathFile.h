#pragma once

#include <string>

namespace korvane::unitsim {

// Writes text to path through a temporary file and a rename, so a reader never
// sees half of it.
[[nodiscard]] bool WriteFileAtomically(const std::string &path, const std::string &text, std::string &error);

}  // namespace korvane::unitsim
