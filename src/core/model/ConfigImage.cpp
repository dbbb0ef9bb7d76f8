#include "model/ConfigImage.h"

namespace korvane::model {

namespace {

// The unit codes the build month as the low byte of the sum of the character
// codes of its English abbreviation ("Jan" = 281 -> 25); index + 1 is the month.
constexpr std::array<std::uint8_t, 12> MonthCodes{25, 13, 32, 35, 39, 45, 43, 29, 40, 38, 51, 12};

// The unit's own formatting: no range check, so a byte above 99 yields a
// character after '9' in the tens place rather than a third digit.
char TensDigit(std::uint8_t value) { return static_cast<char>('0' + value / 10); }
char UnitsDigit(std::uint8_t value) { return static_cast<char>('0' + value % 10); }

void AppendTwoDigits(std::string &text, std::uint8_t value)
{
    text += TensDigit(value);
    text += UnitsDigit(value);
}

}  // namespace

std::string MonthText(std::uint8_t code)
{
    for (std::size_t i = 0; i < MonthCodes.size(); ++i) {
        if (MonthCodes[i] == code) {
            const auto month = static_cast<std::uint8_t>(i + 1);
            std::string text;
            text += month < 10 ? ' ' : TensDigit(month);
            text += UnitsDigit(month);
            return text;
        }
    }
    return "00";
}

VersionTexts DecodeHeader(const ConfigImage &image)
{
    VersionTexts texts;

    for (std::size_t i = 0; i < 3; ++i) {
        texts.version += static_cast<char>(image[Offset::FirmwareName + i]);
    }
    AppendTwoDigits(texts.version, image[Offset::FirmwareNumber]);

    const std::uint8_t day = image[Offset::BuildDay];
    texts.date += day < 10 ? ' ' : TensDigit(day);
    texts.date += UnitsDigit(day);
    texts.date += '.';
    texts.date += MonthText(image[Offset::BuildMonthCode]);
    texts.date += ".20";
    AppendTwoDigits(texts.date, image[Offset::BuildYear]);

    AppendTwoDigits(texts.time, image[Offset::BuildHour]);
    texts.time += ':';
    AppendTwoDigits(texts.time, image[Offset::BuildMinute]);

    // Newer firmware carries a longer name of its own, zero-terminated unless
    // it fills all 30 bytes.
    if (image[Offset::FirmwareText] != 0) {
        texts.version.clear();
        for (std::size_t i = 0; i < Offset::FirmwareTextLength; ++i) {
            const std::uint8_t c = image[Offset::FirmwareText + i];
            if (c == 0) {
                break;
            }
            texts.version += static_cast<char>(c);
        }
    }

    return texts;
}

}  // namespace korvane::model
