#pragma once

// Shared by the restore-point tests: local times that do not depend on the
// machine's time zone, and images that no parameter file could carry.

#include "history/PointName.h"
#include "model/ConfigImage.h"

#include <chrono>
#include <ctime>
#include <random>

namespace korvane::history::test {

inline SystemTime Local(int year, int month, int day, int hour, int minute, int second)
{
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&local));
}

// Every byte random, the header, the type bytes, the bytes without meaning
// and flags of 2..255 included: what a unit may send before normalisation.
inline model::ConfigImage UnitImage(unsigned seed)
{
    std::mt19937 random(seed);
    model::ConfigImage image;
    for (std::uint8_t &byte : image.bytes) {
        byte = static_cast<std::uint8_t>(random());
    }
    image[model::Offset::LayoutVersion] = model::SupportedLayoutVersion;
    image[model::Offset::FirmwareText] = 0;  // the short version text
    image[model::Offset::ActClutch] = 7;
    return image;
}

}  // namespace korvane::history::test
