#pragma once

#include "model/ConfigImage.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <ostream>

namespace korvane::model {

// The image of the last run plus the "All" flags of the five map pages.
using AllFlags = std::array<std::uint8_t, MapPageCount>;

void WriteSnapshot(std::ostream &out, const ConfigImage &image, const AllFlags &flags);

// Reads up to 1200 numbers into the image, then up to 5 into the flags, each
// modulo 256. Stops at the end of the file or at the first word that is not a
// number; bytes not reached keep their values. Returns how many numbers were taken.
std::size_t ReadSnapshot(std::istream &in, ConfigImage &image, AllFlags &flags);

// True when any white-space separated word is exactly "DIAG_UNLOCK".
[[nodiscard]] bool ReadDiagnosticMarker(std::istream &in);
[[nodiscard]] bool ReadDiagnosticMarker(const std::filesystem::path &path);

}  // namespace korvane::model
