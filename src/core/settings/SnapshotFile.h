#pragma once

// The parameter snapshot of the last run, read whole or not at all: a file
// that ends, or holds something other than a number, before its 1200 image
// numbers would mix old and start-up parameters, and such a set must never
// reach a unit. Missing "All" flags after a complete image only leave the flags.

#include "model/ConfigImage.h"
#include "model/Snapshot.h"

#include <filesystem>
#include <istream>
#include <string>

namespace korvane::settings {

enum class SnapshotRestore { Missing, Incomplete, Restored };

[[nodiscard]] SnapshotRestore RestoreSnapshot(std::istream &in, model::ConfigImage &image, model::AllFlags &flags);
[[nodiscard]] SnapshotRestore RestoreSnapshot(const std::filesystem::path &path, model::ConfigImage &image,
                                              model::AllFlags &flags);

[[nodiscard]] bool SaveSnapshot(const std::filesystem::path &path, const model::ConfigImage &image,
                                const model::AllFlags &flags, std::string *error = nullptr);

}  // namespace korvane::settings
