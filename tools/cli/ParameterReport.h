#pragma once

// A person-readable listing of the parameters in physical units.

#include "model/ConfigImage.h"

#include <ostream>

namespace korvane::cli {

void PrintParameters(std::ostream &out, const model::ConfigImage &image, bool extMonitor);

}  // namespace korvane::cli
