#pragma once

// Loading and saving parameter files and snapshots the way the program does,
// shared by the subcommands.

#include "model/ConfigImage.h"
#include "model/Snapshot.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace korvane::cli {

// The program's messages, used verbatim.
inline constexpr std::string_view OpenFileErrorText = "Open file error!";
inline constexpr std::string_view UnmatchedVersionText = "Unmatched version of *.ign file!";

// The image as start-up builds it before any snapshot: type 11 defaults, normalised.
[[nodiscard]] model::ConfigImage StartupImage();

// What New gives for a type code after start-up, normalised.
[[nodiscard]] model::ConfigImage DefaultImage(std::uint8_t bikeType);

struct FileResult {
    bool ok = false;
    std::string message;  // for the user when !ok
};

// Reads a *.ign file into image and extMonitor as Open does, without the
// normalisation that follows. Nothing changes on failure.
[[nodiscard]] FileResult LoadParameterFile(const std::filesystem::path &path, model::ConfigImage &image,
                                           bool &extMonitor);

// Writes image as Save does (the caller normalises first), replacing the file atomically.
[[nodiscard]] FileResult SaveParameterFile(const std::filesystem::path &path, const model::ConfigImage &image,
                                           bool extMonitor);

struct SnapshotLoad {
    FileResult result;
    std::size_t numbers = 0;  // how many numbers the file held (at most 1205)
};

[[nodiscard]] SnapshotLoad LoadSnapshot(const std::filesystem::path &path, model::ConfigImage &image,
                                        model::AllFlags &flags);
[[nodiscard]] FileResult SaveSnapshot(const std::filesystem::path &path, const model::ConfigImage &image,
                                      const model::AllFlags &flags);

}  // namespace korvane::cli
