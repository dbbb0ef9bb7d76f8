#include "model/ConfigImage.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

namespace korvane::model {
namespace {

ConfigImage HeaderImage(const char name[3], std::uint8_t number, std::uint8_t day, std::uint8_t month,
                        std::uint8_t year, std::uint8_t hour, std::uint8_t minute)
{
    ConfigImage image;
    for (std::size_t i = 0; i < 3; ++i) {
        image[Offset::FirmwareName + i] = static_cast<std::uint8_t>(name[i]);
    }
    image[Offset::FirmwareNumber] = number;
    image[Offset::BuildDay] = day;
    image[Offset::BuildMonthCode] = month;
    image[Offset::BuildYear] = year;
    image[Offset::BuildHour] = hour;
    image[Offset::BuildMinute] = minute;
    image[Offset::LayoutVersion] = SupportedLayoutVersion;
    return image;
}

void PutFirmwareText(ConfigImage &image, const std::string &text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        image[Offset::FirmwareText + i] = static_cast<std::uint8_t>(text[i]);
    }
}

TEST(ConfigImageLayout, MapCellsAndBlocksAddressTheRightBytes)
{
    EXPECT_EQ(MapCell(Offset::JetIapMap, 9, 14), 1149u);
    EXPECT_EQ(MapCell(Offset::AdvMap, 1, 0), 415u);
    for (std::size_t page = 0; page < MapPageCount; ++page) {
        EXPECT_EQ(AxisOfMapPage(page), 310 + 15 * page);
        EXPECT_EQ(MapOfPage(page), 400 + 150 * page);
    }

    ConfigImage image;
    image[1099] = 7;
    image[1100] = 9;
    EXPECT_EQ(image.block(10)[99], 7);
    EXPECT_EQ(image.block(11)[0], 9);
    image.block(11)[99] = 42;
    EXPECT_EQ(image[1199], 42);
}

TEST(MonthText, CodesAreTheLowByteOfTheAbbreviationSum)
{
    const std::array<const char *, 12> names{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const std::array<const char *, 12> shown{" 1", " 2", " 3", " 4", " 5", " 6",
                                             " 7", " 8", " 9", "10", "11", "12"};
    std::set<int> known;
    for (std::size_t m = 0; m < names.size(); ++m) {
        int sum = 0;
        for (const char *c = names[m]; *c != '\0'; ++c) {
            sum += static_cast<unsigned char>(*c);
        }
        const auto code = static_cast<std::uint8_t>(sum & 0xFF);
        known.insert(code);
        EXPECT_EQ(MonthText(code), shown[m]) << names[m];
    }
    for (int code = 0; code < 256; ++code) {
        if (known.count(code) == 0) {
            EXPECT_EQ(MonthText(static_cast<std::uint8_t>(code)), "00") << code;
        }
    }
}

TEST(DecodeHeader, FormatsVersionDateAndTime)
{
    const VersionTexts texts = DecodeHeader(HeaderImage("ABC", 5, 25, 13, 2, 16, 21));
    EXPECT_EQ(texts.version, "ABC05");
    EXPECT_EQ(texts.date, "25. 2.2002");
    EXPECT_EQ(texts.time, "16:21");
}

TEST(DecodeHeader, SingleDigitDayGetsABlankButTheHourKeepsItsZero)
{
    const VersionTexts texts = DecodeHeader(HeaderImage("XYZ", 42, 7, 32, 5, 9, 5));
    EXPECT_EQ(texts.version, "XYZ42");
    EXPECT_EQ(texts.date, " 7. 3.2005");
    EXPECT_EQ(texts.time, "09:05");
}

TEST(DecodeHeader, UnknownMonthCodeShowsZeros)
{
    EXPECT_EQ(DecodeHeader(HeaderImage("ABC", 0, 10, 0, 10, 0, 0)).date, "10.00.2010");
    EXPECT_EQ(DecodeHeader(HeaderImage("ABC", 0, 31, 12, 99, 23, 59)).date, "31.12.2099");
}

TEST(DecodeHeader, BytesAboveNinetyNineAreNotChecked)
{
    // 255 / 10 = 25 -> '0' + 25 = 'I'; 100 -> '0' + 10 = ':'.
    const VersionTexts texts = DecodeHeader(HeaderImage("ABC", 255, 100, 38, 255, 100, 123));
    EXPECT_EQ(texts.version, "ABCI5");
    EXPECT_EQ(texts.date, ":0.10.20I5");
    EXPECT_EQ(texts.time, ":0:<3");
}

TEST(DecodeHeader, FirmwareTextIsIgnoredWhenItsFirstByteIsZero)
{
    ConfigImage image = HeaderImage("ABC", 5, 25, 13, 2, 16, 21);
    PutFirmwareText(image, "XLONG NAME");
    image[Offset::FirmwareText] = 0;
    EXPECT_EQ(DecodeHeader(image).version, "ABC05");
}

TEST(DecodeHeader, FirmwareTextReplacesTheVersionUpToTheFirstZero)
{
    ConfigImage image = HeaderImage("ABC", 5, 25, 13, 2, 16, 21);
    PutFirmwareText(image, "Racing 3.1");
    image[Offset::FirmwareText + 11] = 'Q';  // after the terminator: not shown
    const VersionTexts texts = DecodeHeader(image);
    EXPECT_EQ(texts.version, "Racing 3.1");
    EXPECT_EQ(texts.date, "25. 2.2002");
    EXPECT_EQ(texts.time, "16:21");
}

TEST(DecodeHeader, FirmwareTextStopsAfterThirtyCharacters)
{
    ConfigImage image = HeaderImage("ABC", 5, 25, 13, 2, 16, 21);
    const std::string full = "0123456789abcdefghijABCDEFGHIJ";
    PutFirmwareText(image, full + "tail");  // bytes 46.. are outside the field
    EXPECT_EQ(DecodeHeader(image).version, full);
}

}  // namespace
}  // namespace korvane::model
