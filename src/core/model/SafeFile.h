#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace korvane::model {

// Replaces the file at path with content, or leaves it untouched: the text is
// written to a temporary file in the same folder, flushed, synced and renamed
// into place. On failure returns false and sets error (when given).
[[nodiscard]] bool WriteFileAtomically(const std::filesystem::path &path, std::string_view content,
                                       std::string *error = nullptr);

}  // namespace korvane::model
