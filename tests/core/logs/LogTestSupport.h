#pragma once

// Monitor frames built by their byte layout, and logs written with the core
// writer from them, for the tests of the ride logs.

#include "link/Frames.h"
#include "logs/RideLogWriter.h"
#include "model/BikeTypes.h"
#include "model/ConfigImage.h"
#include "model/ValueLimits.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace korvane::logs::test {

// The engine as one frame tells it; every field at a value the advisor takes.
struct Engine {
    int rpm = 3000;
    int throttle = 20;       // %
    int iap = 60;            // %
    int coolantByte = 185;   // 85 C
    int lambdaMv = 200;      // lean
    int injection = 100;     // 14A and 23A, units of 30 us
    int startTenths = 1200;  // 120 s running
    bool markerOff = false;
    bool throttleMaps = true;
};

inline link::MonitorFrame BuildFrame(const Engine &e)
{
    link::MonitorFrame frame{};
    const auto put16 = [&](std::size_t offset, int value) {
        frame[offset] = static_cast<std::uint8_t>(value & 0xFF);
        frame[offset + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
    };
    frame[0] = link::MonitorByte;
    put16(1, e.rpm);
    put16(11, (e.lambdaMv * 1023 + 4999) / 5000);  // raw count that reads back as lambdaMv
    put16(19, e.injection);
    put16(21, e.injection);
    put16(49, e.startTenths);
    frame[51] = static_cast<std::uint8_t>(e.throttle);
    frame[52] = static_cast<std::uint8_t>(e.iap);
    frame[53] = static_cast<std::uint8_t>(e.coolantByte);
    frame[60] = e.markerOff ? 1 : 0;
    frame[61] = e.throttleMaps ? 1 : 0;
    frame[100] = 0x23;
    frame[101] = link::CheckByte(std::span<const std::uint8_t>(frame).first(101));
    return frame;
}

// The legal parameters of a motorcycle type, as New gives them.
inline model::ConfigImage TypeImage(std::uint8_t bikeType = model::StartupBikeType, std::uint8_t jetMode = 1)
{
    model::ConfigImage image;
    image[model::Offset::BikeType] = bikeType;
    model::DefaultSetSelector selector;
    model::BuildDefaults(image, selector);
    model::ApplyTypeSettings(image);
    model::NormaliseImage(image);
    image[model::Offset::JetMode] = jetMode;
    return image;
}

// A ride log of these frames, 0.33 s apart, written as the recorder writes.
inline std::string WriteLog(const std::vector<link::MonitorFrame> &frames, std::optional<std::uint8_t> model)
{
    const std::chrono::system_clock::time_point start{std::chrono::seconds(1741948927)};
    LogOrigin origin = UnknownOrigin(start);
    origin.model = model;
    std::string text = LogHead(origin, true);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const double seconds = 0.33 * static_cast<double>(i);
        AppendRow(text, link::DecodeMonitorNumbers(frames[i]), &frames[i], IsoTimestamp(start), seconds, true);
    }
    return text;
}

// The same engine for count frames.
inline std::vector<link::MonitorFrame> Steady(const Engine &engine, std::size_t count)
{
    return std::vector<link::MonitorFrame>(count, BuildFrame(engine));
}

}  // namespace korvane::logs::test
