#pragma once

// When this program was built, in the compiler's own forms: the date as
// "Jun  7 2005" (day padded with a blank), the time as "14:31:00".

namespace korvane::about {

[[nodiscard]] const char *BuildDate();
[[nodiscard]] const char *BuildTime();

}  // namespace korvane::about
