#include "settings/ProfileInteger.h"

#include <limits>

namespace korvane::settings {

namespace {

int DigitValue(char c, int base)
{
    int digit = base;
    if (c >= '0' && c <= '9') {
        digit = c - '0';
    } else if (base == 16 && c >= 'a' && c <= 'f') {
        digit = c - 'a' + 10;
    } else if (base == 16 && c >= 'A' && c <= 'F') {
        digit = c - 'A' + 10;
    }
    return digit < base ? digit : -1;
}

}  // namespace

std::int32_t ParseProfileInteger(std::string_view text, std::int32_t fallback)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with('$')) {
        base = 16;
        text.remove_prefix(1);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) {
        return fallback;
    }
    // The magnitude may reach 2^31 for the most negative value.
    const std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + (negative ? 1 : 0);
    std::int64_t magnitude = 0;
    for (const char c : text) {
        const int digit = DigitValue(c, base);
        if (digit < 0) {
            return fallback;
        }
        magnitude = magnitude * base + digit;
        if (magnitude > limit) {
            return fallback;
        }
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace korvane::settings
