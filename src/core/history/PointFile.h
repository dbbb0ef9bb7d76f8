#pragma once

// The *.ign file of a restore point. A parameter file carries only the fields
// of the parameters: not the unit's header (block 0), not the bytes without
// meaning, not the type bytes 111 and 126, and a flag only as 0 or 1. A point
// must give back the image exactly, before any normalisation, so its file is
// the parameter file as Save writes it, followed by one more key,
//
//     RAW_IMAGE      0   65  ...   (all 1200 bytes, 25 to a line)
//     RAW_SUM      3735928559      (FNV-1a of the text before RAW_IMAGE)
//
// which every reader of parameter files skips as words that are no keys. The
// file thus opens as an ordinary parameter file anywhere.
//
// Reading takes RAW_IMAGE as the image. When the parameter keys before it are
// no longer what Save would write for those bytes (someone edited the file),
// the edited fields are read over it, as Open would. The sum only spares the
// comparison in the usual case; without it the file reads the same.

#include "model/ConfigImage.h"

#include <string>
#include <string_view>

namespace korvane::history {

[[nodiscard]] std::string PointFileText(const model::ConfigImage &image, bool extMonitor);

struct PointFileContent {
    // False for a file without the layout version 35, without all 1200 bytes
    // (cut short, or written by someone else) or with a byte above 255.
    bool readable = false;
    model::ConfigImage image{};
    bool extMonitor = false;
};

[[nodiscard]] PointFileContent ReadPointFile(std::string_view text);

}  // namespace korvane::history
