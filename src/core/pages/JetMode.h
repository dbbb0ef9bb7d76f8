#pragma once

// How the Inj-23A map follows Inj-14A (image byte 138).

#include "model/ConfigImage.h"

#include <cstdint>

namespace korvane::pages {

enum class JetMode : std::uint8_t { Separate = 0, Coupled = 1, Equal = 2 };

// A byte the menu cannot set is read as no coupling at all; the byte itself
// is left as it is.
[[nodiscard]] inline JetMode JetModeOf(const model::ConfigImage &image)
{
    const std::uint8_t mode = image[model::Offset::JetMode];
    return mode > 2 ? JetMode::Separate : static_cast<JetMode>(mode);
}

}  // namespace korvane::pages
