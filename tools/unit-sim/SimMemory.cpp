#include "SimMemory.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace korvane::unitsim {

namespace {

// Engine speeds in 100 rpm shared by the map axes: idle to just past the limiter.
constexpr std::array<std::uint8_t, CurvePoints> SpeedAxis = {10, 15, 20, 25, 30, 40, 50, 60,
                                                             70, 80, 90, 100, 110, 120, 145};

void PutCurve(Memory &memory, std::size_t at, const std::array<std::uint8_t, CurvePoints> &curve)
{
    std::copy(curve.begin(), curve.end(), memory.begin() + static_cast<std::ptrdiff_t>(at));
}

template <typename CellFunction>
void PutMap(Memory &memory, std::size_t base, CellFunction cell)
{
    for (std::size_t row = 0; row < MapRows; ++row) {
        for (std::size_t column = 0; column < MapColumns; ++column) {
            memory[base + row * MapColumns + column] = static_cast<std::uint8_t>(cell(row, column));
        }
    }
}

void PutParameters(Memory &memory)
{
    // Block 1: scalars.
    memory[100] = 11;   // type code of the bike
    memory[102] = 1;    // pulses per revolution
    memory[103] = 100;  // start limiter 10000 rpm
    memory[104] = 140;  // ignition limiter 14000 rpm
    memory[105] = 10;   // clutch time 100 ms
    memory[107] = 120;  // shift light 12000 rpm
    memory[108] = 10;   // base advance
    memory[109] = 10;   // servo hysteresis 50 mV
    memory[110] = 1;
    memory[111] = 0;
    memory[112] = 1;  // servo enabled
    memory[113] = 0;
    memory[114] = 5;
    memory[115] = 0;
    memory[116] = 1;
    memory[117] = 50;   // clutch pause 500 ms
    memory[118] = 1;
    memory[119] = 100;  // no engine-speed correction
    memory[120] = 1;
    memory[121] = 1;
    memory[122] = 110;  // TPS 0 % at 1100 mV
    memory[123] = 180;  // TPS 100 % at 4300 mV
    memory[124] = 30;
    memory[125] = 84;
    memory[126] = 85;
    memory[127] = 0;
    memory[128] = 10;  // start injection
    memory[129] = 90;  // warning light at 90 C
    memory[130] = 20;  // N2O 1 below N2O 2
    memory[131] = 60;
    memory[132] = 30;
    memory[133] = 20;
    memory[134] = 0;
    memory[135] = 0;
    memory[136] = 30;
    memory[137] = 20;
    memory[138] = 1;
    memory[139] = 0;
    const std::array<std::uint8_t, 8> startCorrection = {5, 10, 15, 20, 150, 50, 30, 10};
    std::copy(startCorrection.begin(), startCorrection.end(), memory.begin() + 140);
    memory[149] = 0;  // gear display off, the servo is on
    memory[150] = 0;
    const std::array<std::uint8_t, 5> tuning = {80, 5, 10, 1, 10};
    std::copy(tuning.begin(), tuning.end(), memory.begin() + 151);
    memory[156] = 143;  // injection limiter 14300 rpm
    const std::array<std::uint8_t, 10> temperatureCorrection = {130, 115, 105, 100, 100,
                                                                110, 104, 100, 96, 92};
    std::copy(temperatureCorrection.begin(), temperatureCorrection.end(), memory.begin() + 190);

    // Blocks 2 and 3: curves and axes.
    std::array<std::uint8_t, CurvePoints> servoVolt{};
    std::array<std::uint8_t, CurvePoints> posA{};
    std::array<std::uint8_t, CurvePoints> posB{};
    for (std::size_t i = 0; i < CurvePoints; ++i) {
        servoVolt[i] = static_cast<std::uint8_t>(50 + 10 * i);  // 1000..3800 mV
        posA[i] = static_cast<std::uint8_t>(70 + 3 * i);        // 350..560 degrees
        posB[i] = static_cast<std::uint8_t>(80 + 3 * i);
    }
    for (std::size_t axis : {Field::ServoRpm, Field::PosARpm, Field::PosBRpm, Field::AdvRpm, Field::Jet14ARpm,
                             Field::Jet23ARpm, Field::JetBRpm, Field::JetIapRpm}) {
        PutCurve(memory, axis, SpeedAxis);
    }
    PutCurve(memory, Field::ServoVolt, servoVolt);
    PutCurve(memory, Field::PosAValue, posA);
    PutCurve(memory, Field::PosBValue, posB);

    // Blocks 4..11: maps. Rows are throttle 0..100 %, columns engine speed.
    PutMap(memory, Field::AdvMap, [](std::size_t row, std::size_t column) {
        return 8 + std::min<std::size_t>(3 * column, 30) - row / 2;  // 4..38 degrees
    });
    PutMap(memory, Field::Jet14AMap, [](std::size_t row, std::size_t column) { return 40 + 12 * row + 3 * column; });
    PutMap(memory, Field::Jet23AMap, [](std::size_t row, std::size_t column) { return 42 + 12 * row + 3 * column; });
    PutMap(memory, Field::JetBMap, [](std::size_t row, std::size_t column) {
        return row < 6 ? 0 : 15 * (row - 5) + 2 * column;  // secondary injectors at high load only
    });
    PutMap(memory, Field::JetIapMap, [](std::size_t row, std::size_t column) { return 50 + 10 * row + 3 * column; });
}

}  // namespace

std::uint8_t MonthCode(std::string_view abbreviation)
{
    unsigned sum = 0;
    for (char c : abbreviation) {
        sum += static_cast<unsigned char>(c);
    }
    return static_cast<std::uint8_t>(sum & 0xFFu);
}

Block BuildHeaderBlock(const HeaderInfo &header)
{
    Block block{};
    for (std::size_t i = 0; i < 3 && i < header.name.size(); ++i) {
        block[Field::FirmwareName + i] = static_cast<std::uint8_t>(header.name[i]);
    }
    block[Field::FirmwareNumber] = header.number;
    block[Field::BuildDay] = header.day;
    block[Field::BuildMonthCode] = MonthCode(header.month);
    block[Field::BuildYear] = header.yearSince2000;
    block[Field::BuildHour] = header.hour;
    block[Field::BuildMinute] = header.minute;
    block[Field::LayoutVersion] = header.layoutVersion;
    for (std::size_t i = 0; i < Field::FirmwareTextLength && i < header.firmwareText.size(); ++i) {
        block[Field::FirmwareText + i] = static_cast<std::uint8_t>(header.firmwareText[i]);
    }
    return block;
}

Memory BuildDefaultMemory(const HeaderInfo &header)
{
    Memory memory{};
    const Block headerBlock = BuildHeaderBlock(header);
    std::copy(headerBlock.begin(), headerBlock.end(), memory.begin());
    PutParameters(memory);
    return memory;
}

std::span<std::uint8_t, BlockSize> MemoryBlock(Memory &memory, std::size_t block)
{
    return std::span<std::uint8_t, BlockSize>(memory.data() + block * BlockSize, BlockSize);
}

std::span<const std::uint8_t, BlockSize> MemoryBlock(const Memory &memory, std::size_t block)
{
    return std::span<const std::uint8_t, BlockSize>(memory.data() + block * BlockSize, BlockSize);
}

std::optional<Memory> LoadMemoryFile(const std::string &path, std::string &error)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot open image file '" + path + "'";
        return std::nullopt;
    }
    Memory memory{};
    file.read(reinterpret_cast<char *>(memory.data()), static_cast<std::streamsize>(memory.size()));
    const auto got = file.gcount();
    if (got != static_cast<std::streamsize>(memory.size()) || file.peek() != std::ifstream::traits_type::eof()) {
        error = "image file '" + path + "' must hold exactly " + std::to_string(MemorySize) + " bytes";
        return std::nullopt;
    }
    return memory;
}

}  // namespace korvane::unitsim
