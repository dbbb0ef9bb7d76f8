#include "history/PointName.h"

#include <array>
#include <cstdio>
#include <ctime>

namespace korvane::history {

namespace {

constexpr std::array<std::string_view, 5> KindWords{"read", "program", "backup", "advice", "other"};

std::tm LocalTime(SystemTime time)
{
    const std::time_t seconds = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::seconds>(time));
    std::tm local{};
    ::localtime_r(&seconds, &local);
    return local;
}

// Reads exactly `digits` decimal digits at text[at]; -1 when they are not there.
int Digits(std::string_view text, std::size_t at, std::size_t digits)
{
    if (at + digits > text.size()) {
        return -1;
    }
    int value = 0;
    for (std::size_t i = at; i < at + digits; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return -1;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

}  // namespace

std::string_view KindWord(PointKind kind)
{
    const auto index = static_cast<std::size_t>(kind);
    return index < KindWords.size() ? KindWords[index] : KindWords.back();
}

std::optional<PointKind> KindFromWord(std::string_view word)
{
    for (std::size_t i = 0; i + 1 < KindWords.size(); ++i) {
        if (KindWords[i] == word) {
            return static_cast<PointKind>(i);
        }
    }
    return std::nullopt;
}

std::string PointFileName(SystemTime time, PointKind kind, unsigned sequence)
{
    const std::tm local = LocalTime(time);
    char stamp[96];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d_%02d-%02d-%02d_", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    std::string name = stamp;
    name += KindWord(kind);
    if (sequence > 1) {
        name += '-' + std::to_string(sequence);
    }
    name += PointExtension;
    return name;
}

std::optional<ParsedName> ParsePointFileName(std::string_view name)
{
    // "YYYY-MM-DD_HH-MM-SS_" is 20 characters.
    constexpr std::size_t StampLength = 20;
    if (name.size() <= StampLength + PointExtension.size() || !name.ends_with(PointExtension)) {
        return std::nullopt;
    }
    const std::array<std::size_t, 6> at{0, 5, 8, 11, 14, 17};
    const std::array<std::size_t, 6> width{4, 2, 2, 2, 2, 2};
    constexpr std::string_view Separators = "--_--_";
    std::array<int, 6> field{};
    for (std::size_t i = 0; i < at.size(); ++i) {
        field[i] = Digits(name, at[i], width[i]);
        if (field[i] < 0 || name[at[i] + width[i]] != Separators[i]) {
            return std::nullopt;
        }
    }

    std::string_view rest = name.substr(StampLength, name.size() - StampLength - PointExtension.size());
    unsigned sequence = 1;
    if (const std::size_t dash = rest.find('-'); dash != std::string_view::npos) {
        const std::string_view number = rest.substr(dash + 1);
        if (number.empty() || number.size() > 6 || number.front() == '0' ||
            Digits(number, 0, number.size()) < 2) {
            return std::nullopt;
        }
        sequence = static_cast<unsigned>(Digits(number, 0, number.size()));
        rest = rest.substr(0, dash);
    }
    const std::optional<PointKind> kind = KindFromWord(rest);
    if (!kind) {
        return std::nullopt;
    }

    std::tm local{};
    local.tm_year = field[0] - 1900;
    local.tm_mon = field[1] - 1;
    local.tm_mday = field[2];
    local.tm_hour = field[3];
    local.tm_min = field[4];
    local.tm_sec = field[5];
    local.tm_isdst = -1;
    if (local.tm_mon > 11 || local.tm_mday < 1 || local.tm_mday > 31 || local.tm_hour > 23 || local.tm_min > 59 ||
        local.tm_sec > 60) {
        return std::nullopt;
    }
    const std::time_t seconds = std::mktime(&local);
    if (seconds == static_cast<std::time_t>(-1)) {
        return std::nullopt;
    }
    return ParsedName{std::chrono::system_clock::from_time_t(seconds), *kind, sequence};
}

std::filesystem::path SidecarPath(const std::filesystem::path &pointFile)
{
    std::filesystem::path sidecar = pointFile;
    sidecar.replace_extension(SidecarExtension);
    return sidecar;
}

std::string LocalTimeText(SystemTime time)
{
    const std::tm local = LocalTime(time);
    char text[96];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

}  // namespace korvane::history
