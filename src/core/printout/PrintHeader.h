#pragma once

// The header line of the printout: the language's "Date and time of
// printing" text, the date, four blanks and the time.

#include <cstdint>
#include <string>
#include <string_view>

namespace korvane::printout {

// date and time come already formatted in the system locale.
[[nodiscard]] std::string PrintHeaderText(std::uint8_t language, std::string_view date, std::string_view time);

// A locale's long time format without its time-zone field ('t' runs outside
// quoted text), the blanks beside it and brackets left empty by it:
// "HH:mm:ss t" -> "HH:mm:ss". The header reads as a wall-clock time.
[[nodiscard]] std::string TimeFormatWithoutZone(std::string_view format);

}  // namespace korvane::printout
