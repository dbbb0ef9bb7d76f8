#pragma once

// How the settings file's numbers are read: a signed 32-bit integer in
// decimal, or in hexadecimal after "$" or "0x", with an optional sign in
// front. Anything else (empty text, other characters before or after the
// number, a value outside the 32-bit range) gives the fallback.

#include <cstdint>
#include <string_view>

namespace korvane::settings {

[[nodiscard]] std::int32_t ParseProfileInteger(std::string_view text, std::int32_t fallback);

}  // namespace korvane::settings
