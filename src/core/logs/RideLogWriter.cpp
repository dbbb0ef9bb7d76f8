#include "logs/RideLogWriter.h"

#include <cstdio>
#include <ctime>

#ifndef KORVANE_VERSION
#define KORVANE_VERSION "unknown"
#endif

namespace korvane::logs {

namespace {

// Unit texts may hold any byte; a line break would end the comment line.
std::string Printable(std::string_view text)
{
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        shown += byte >= 0x20 && byte < 0x7F ? c : '?';
    }
    return shown;
}

void Line(std::string &out, std::string_view key, std::string_view value)
{
    out += "# ";
    out += key;
    out += ": ";
    out += Printable(value);
    out += '\n';
}

}  // namespace

std::string_view KorvaneVersion()
{
    return KORVANE_VERSION;
}

std::uint64_t ImageHash(const model::ConfigImage &image)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const std::uint8_t byte : image.bytes) {
        hash ^= byte;
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

std::string HashText(std::uint64_t hash)
{
    char text[20];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

std::string LocalTimeZone(std::chrono::system_clock::time_point when)
{
    const std::time_t t = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    localtime_r(&t, &local);
    const long offset = local.tm_gmtoff;
    const long minutes = (offset < 0 ? -offset : offset) / 60;
    char text[64];
    std::snprintf(text, sizeof text, "%c%02ld:%02ld %s", offset < 0 ? '-' : '+', minutes / 60, minutes % 60,
                  local.tm_zone != nullptr ? local.tm_zone : "");
    std::string zone = text;
    while (!zone.empty() && zone.back() == ' ') {
        zone.pop_back();
    }
    return zone;
}

LogOrigin UnknownOrigin(std::chrono::system_clock::time_point started)
{
    LogOrigin origin;
    origin.korvaneVersion = std::string(KorvaneVersion());
    origin.timeZone = LocalTimeZone(started);
    origin.started = IsoTimestamp(started);
    return origin;
}

LogOrigin OriginOf(const model::ConfigImage &image, const std::optional<model::VersionTexts> &unit,
                   std::chrono::system_clock::time_point started)
{
    LogOrigin origin = UnknownOrigin(started);
    origin.model = image[model::Offset::BikeType];
    origin.imageHash = ImageHash(image);
    if (unit) {
        origin.firmware = unit->version + ' ' + unit->date + ' ' + unit->time;
    }
    return origin;
}

std::string LogHead(const LogOrigin &origin, bool extended)
{
    std::string head = "# ";
    head += LogTitle;
    head += '\n';
    Line(head, VersionKey, origin.korvaneVersion);
    Line(head, ModelKey, origin.model ? std::to_string(*origin.model) : std::string());
    Line(head, FirmwareKey, origin.firmware);
    Line(head, ImageHashKey, origin.imageHash ? HashText(*origin.imageHash) : std::string());
    Line(head, TimeZoneKey, origin.timeZone);
    Line(head, StartedKey, origin.started);
    head += HeaderRow(extended);
    head += '\n';
    return head;
}

}  // namespace korvane::logs
