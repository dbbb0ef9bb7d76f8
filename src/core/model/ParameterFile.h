#pragma once

#include "model/ConfigImage.h"

#include <istream>
#include <ostream>

namespace korvane::model {

// Writes the *.ign text (CR LF line ends, no break at the end). extMonitor is
// the "Extended Monitor" check box, carried by the file as EXT_MON.
void WriteParameterFile(std::ostream &out, const ConfigImage &image, bool extMonitor);

// Reads a *.ign text into the image. Returns false, changing nothing, when no
// "TREMOLAX_KEY" followed by 35 is found. Fields whose keys are missing keep
// their values; extMonitor changes only when the file carries EXT_MON.
[[nodiscard]] bool ReadParameterFile(std::istream &in, ConfigImage &image, bool &extMonitor);

}  // namespace korvane::model
