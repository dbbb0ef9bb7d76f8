#include "pages/Visibility.h"

#include "TestImage.h"
#include "pages/Pages.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>
#include <vector>

namespace korvane::pages {
namespace {

using test::DefaultImage;
namespace Offset = model::Offset;

TEST(Visibility, DisplayChoicesFollowTheType)
{
    const struct {
        std::uint8_t type;
        std::uint8_t servo;
        bool temperature;
        bool gear;
        bool keepsTemperature;
        bool keepsGear;
    } cases[] = {
        {5, 0, false, false, false, false},  {12, 0, false, true, false, true}, {12, 1, false, false, false, true},
        {17, 0, true, false, true, false},   {26, 0, false, true, false, true}, {28, 0, false, false, false, false},
    };
    for (const auto &c : cases) {
        model::ConfigImage image = DefaultImage();
        image[Offset::BikeType] = c.type;
        image[Offset::ServoEnable] = c.servo;
        image[Offset::GearDisplay] = 1;
        image[Offset::TempDisplay] = 1;
        const Visibility v = DeriveVisibility(image, RuznePage);
        EXPECT_EQ(v.displayChoices.temperature, c.temperature) << int(c.type);
        EXPECT_EQ(v.displayChoices.gear, c.gear) << int(c.type);
        // Deriving leaves the image alone; clearing is its own step.
        EXPECT_EQ(image[Offset::GearDisplay], 1);
        ClearDisplayChoices(image);
        EXPECT_EQ(image[Offset::TempDisplay], c.keepsTemperature ? 1 : 0) << int(c.type);
        EXPECT_EQ(image[Offset::GearDisplay], c.keepsGear ? 1 : 0) << int(c.type);
    }
}

TEST(Visibility, EveryTypeCodeOffersItsOwnDisplayChoices)
{
    const std::set<int> temperatureTypes{17, 18, 27};
    const std::set<int> gearTypes{11, 12, 13, 14, 15, 16, 20, 25, 26};
    std::vector<int> codes(29);
    std::iota(codes.begin(), codes.end(), 0);
    codes.insert(codes.end(), {29, 255});
    for (const int code : codes) {
        const auto type = static_cast<std::uint8_t>(code);
        const bool temperature = temperatureTypes.contains(code);
        const bool gear = gearTypes.contains(code);
        for (const std::uint8_t servo : {0, 1}) {
            const DisplayChoices choices = AllowedDisplayChoices(type, servo);
            EXPECT_EQ(choices.temperature, temperature) << code;
            EXPECT_EQ(choices.gear, gear && servo == 0) << code;
        }
        model::ConfigImage image = DefaultImage();
        image[Offset::BikeType] = type;
        image[Offset::GearDisplay] = 1;
        image[Offset::TempDisplay] = 1;
        ClearDisplayChoices(image);
        EXPECT_EQ(image[Offset::TempDisplay], temperature ? 1 : 0) << code;
        EXPECT_EQ(image[Offset::GearDisplay], gear ? 1 : 0) << code;
    }
}

TEST(Visibility, JetModeLocksTabsAndLabels)
{
    const struct {
        std::uint8_t mode;
        std::uint8_t page;
        bool tab;
        bool editable;
        bool label;
        std::string_view text;
    } cases[] = {
        {0, Inj14APage, true, true, false, "  14->23  "}, {1, Inj14APage, true, true, true, "  14->23  "},
        {1, Inj23APage, true, false, true, "  14->23  "}, {1, InjBPage, true, true, false, "  14->23  "},
        {2, Inj14APage, false, true, true, "  14=23  "},  {3, Inj23APage, true, true, false, "  14->23  "},
    };
    for (const auto &c : cases) {
        const Visibility v = DeriveVisibility(DefaultImage(c.mode), c.page);
        EXPECT_EQ(v.inj23ATab, c.tab) << int(c.mode);
        EXPECT_EQ(v.mapEditable, c.editable) << int(c.mode) << "/" << int(c.page);
        EXPECT_EQ(v.jetModeLabel, c.label) << int(c.mode) << "/" << int(c.page);
        EXPECT_EQ(v.jetModeText, c.text);
        EXPECT_EQ(v.jetModeColour, c.mode == 2 ? link::Colour::Aqua : link::Colour::Yellow);
    }
}

TEST(Visibility, FeaturesAndPageDependentParts)
{
    model::ConfigImage image = DefaultImage();
    image[Offset::ServoEnable] = 0;
    image[Offset::N2oEnable] = 1;
    image[Offset::GearDisplay] = 1;
    Visibility v = DeriveVisibility(image, AdvancePage);
    EXPECT_FALSE(v.servoGroup);
    EXPECT_FALSE(v.servoLiveLabels);
    EXPECT_TRUE(v.n2oGroups);
    EXPECT_TRUE(v.gearShown);
    EXPECT_FALSE(v.servoEnableBox);
    EXPECT_TRUE(v.mapExtra);
    EXPECT_EQ(v.mapExtraCaption, lang::TextId::BaseAdvance);
    EXPECT_EQ(MapRowTexts(v.iapRows)[1], "2%");

    v = DeriveVisibility(image, InjIapPage);
    EXPECT_EQ(v.mapExtraCaption, lang::TextId::IapToTp);
    EXPECT_EQ(MapRowTexts(v.iapRows)[1], "50%");
    EXPECT_FALSE(DeriveVisibility(image, Inj14APage).mapExtra);
    EXPECT_FALSE(Visibility::TuningTab);
}

}  // namespace
}  // namespace korvane::pages
