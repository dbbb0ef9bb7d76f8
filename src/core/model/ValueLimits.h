#pragma once

#include "model/ConfigImage.h"

#include <cstdint>

namespace korvane::model {

// Brings every out-of-range field into range, in place and silently. The two
// shell values travel with it because the window keeps them beside the image:
// a language above 3 becomes 0, a port number above 10 becomes 1.
// Applying it twice gives the same result as applying it once.
void NormaliseImage(ConfigImage &image, std::uint8_t &language, std::uint8_t &portNumber);

// For callers that hold no shell values (files, tools, the link).
void NormaliseImage(ConfigImage &image);

}  // namespace korvane::model
