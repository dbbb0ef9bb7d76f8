#pragma once

// The printout's header line at a given moment, in the system locale's
// short date and long time (without a time zone).

#include <QDateTime>
#include <QString>

#include <cstdint>

namespace korvane::print {

[[nodiscard]] QString PrintHeader(std::uint8_t language, const QDateTime &when);

}  // namespace korvane::print
