#include "pages/Visibility.h"

#include "TestImage.h"
#include "pages/Pages.h"

#include <gtest/gtest.h>

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
