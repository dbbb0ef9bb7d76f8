#pragma once

// Prints the status label of a device operation as lines of text: one line
// whenever its text, " OK" suffix or colour changes, and the gauge while the
// unit reports its saving progress. Failures (red) go to the error stream.

#include "link/DeviceLink.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

namespace korvane::cli {

// The label's text as the window shows it, e.g. "Verify: OK".
[[nodiscard]] std::string StatusText(const link::StatusView &status, std::uint8_t language);

class StatusPrinter {
public:
    StatusPrinter(std::ostream &out, std::ostream &err, std::uint8_t language);

    void Show(const link::StatusView &status);

private:
    struct Shown {
        lang::TextId text;
        bool okSuffix;
        link::Colour colour;
        int gauge;
    };

    std::ostream &m_out;
    std::ostream &m_err;
    std::uint8_t m_language;
    std::optional<Shown> m_last;
};

}  // namespace korvane::cli
