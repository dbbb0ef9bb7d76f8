#include "TestImage.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace korvane::pages::test {
namespace {

namespace Offset = model::Offset;

struct Range {
    std::size_t first, last;
};

// Every field that the window edits, and nothing else: the header, the
// derived type bytes, JetMode (a menu) and the bytes without meaning stay out.
constexpr Range EditedFields[] = {
    {100, 100}, {102, 105}, {107, 110}, {112, 125}, {127, 137},
    {139, 147}, {149, 156}, {190, 199}, {220, 384}, {400, 1149},
};

TEST(EditorBindings, BindEveryEditedFieldExactlyOnce)
{
    std::map<std::size_t, std::string> owner;
    for (const EditorBinding &binding : EditorBindings()) {
        for (std::size_t i = 0; i < binding.count; ++i) {
            const std::size_t offset = binding.offset + i;
            const auto [it, inserted] = owner.emplace(offset, std::string(binding.control));
            EXPECT_TRUE(inserted) << offset << " bound by " << it->second << " and " << binding.control;
        }
    }
    std::size_t expected = 0;
    for (const Range &range : EditedFields) {
        for (std::size_t offset = range.first; offset <= range.last; ++offset) {
            EXPECT_TRUE(owner.contains(offset)) << "no editor for byte " << offset;
        }
        expected += range.last - range.first + 1;
    }
    EXPECT_EQ(owner.size(), expected);
}

TEST(EditorBindings, PagesHoldTheirControlsInTakeOverOrder)
{
    EXPECT_EQ(ValueCountOfPage(AdvancePage), 15u + 150u + 1u);
    EXPECT_EQ(ValueCountOfPage(Inj14APage), 165u);
    EXPECT_EQ(ValueCountOfPage(InjIapPage), 166u);
    EXPECT_EQ(ValueCountOfPage(PolohaPage), 62u);
    EXPECT_EQ(FindBinding(Inj23APage, "UpDownMapExtra"), nullptr);
    EXPECT_EQ(BindingsOfPage(RuznePage).front()->control, "ComboBoxBike");

    const std::pair<std::uint8_t, int> cellMaximum[] = {
        {AdvancePage, 60}, {Inj14APage, 250}, {Inj23APage, 250}, {InjBPage, 100}, {InjIapPage, 250}};
    for (auto [page, maximum] : cellMaximum) {
        EXPECT_EQ(FindBinding(page, "UpDownMapCell")->max, maximum) << int(page);
    }
}

TEST(EditorBindings, DesignValuesAreThoseOfTheForm)
{
    struct Case {
        std::uint8_t page;
        std::string_view control;
        std::size_t index;
        int value;
        bool builtInCode;
    };
    const Case cases[] = {
        {RuznePage, "UpDownOmez1", 0, 25000, false},
        {RuznePage, "UpDownTps100", 0, 2500, false},
        {RuznePage, "UpDownRpmPulsu", 0, 1, false},
        {RuznePage, "ComboBoxBike", 0, -1, false},
        {KorekcePage, "UpDownSyticCas1", 0, 5, false},
        {KorekcePage, "UpDownSyticCas4", 0, 20, false},
        {KorekcePage, "UpDownSyticKorekce0", 0, 300, false},
        {KorekcePage, "UpDownSyticKorekce3", 0, 150, false},
        {KorekcePage, "UpDownKorVoda", 4, 10, true},
        {GasPage, "UpDownGasD", 0, 100, false},
        {LadeniPage, "UpDownLadeniCas", 0, 1000, false},
        {ServoPage, "UpDownServoHyster", 0, 300, false},
        {ServoPage, "UpDownServo_mV", 14, 20, true},
        {PolohaPage, "RadioGroupPolohaB", 0, 1, false},
        {PolohaPage, "UpDownPolohaA_Deg", 0, 0, true},
        {AdvancePage, "UpDownMapRpm", 14, 300, true},
        {InjIapPage, "UpDownMapExtra", 0, 0, true},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(PageEditor::DesignValues(c.page).at(c.control, c.index), c.value) << c.control;
        EXPECT_EQ(FindBinding(c.page, c.control)->builtInCode, c.builtInCode) << c.control;
    }
}

struct ByteCase {
    std::uint8_t page;
    std::string_view control;
    std::size_t index;
    int value;
    std::size_t offset;
    int byte;
};

TEST(EditorBindings, TakeOverStoresTheScaledByte)
{
    const ByteCase cases[] = {
        {AdvancePage, "UpDownMapRpm", 3, 12300, 313, 123},
        {AdvancePage, "UpDownMapCell", 149, 60, 549, 60},
        {AdvancePage, "UpDownMapExtra", 0, 7, Offset::BaseAdvance, 7},
        {InjIapPage, "UpDownMapExtra", 0, 77, Offset::IapToTps, 77},
        {PolohaPage, "UpDownPolohaA_Deg", 14, 720, 279, 144},
        {PolohaPage, "UpDownPolohaB_Rpm", 0, 25000, 280, 250},
        {PolohaPage, "RadioGroupPolohaB", 0, 2, Offset::PositionBRef, 2},
        {ServoPage, "UpDownServo_mV", 14, 4980, 249, 249},
        {ServoPage, "UpDownServoHyster", 0, 1275, Offset::ServoHysteresis, 255},
        {ServoPage, "CheckBoxServoEnable", 0, 0, Offset::ServoEnable, 0},
        {RuznePage, "ComboBoxBike", 0, 22, Offset::BikeType, 26},
        {RuznePage, "UpDownOmez3", 0, 12300, Offset::InjectionLimiter, 123},
        {RuznePage, "UpDownClutchPause", 0, 700, Offset::ClutchPause, 70},
        {RuznePage, "UpDownTps0", 0, 650, Offset::Tps0Voltage, 65},
        {RuznePage, "UpDownTps100", 0, 2500, Offset::Tps100Voltage, 0},
        {RuznePage, "UpDownTps100", 0, 4900, Offset::Tps100Voltage, 240},
        {RuznePage, "UpDownRpmKorekce", 0, -60, Offset::RpmCorrection, 40},
        {RuznePage, "UpDownRpmKorekce", 0, 60, Offset::RpmCorrection, 160},
        {RuznePage, "CheckBoxGearDisplay", 0, 1, Offset::GearDisplay, 1},
        {KorekcePage, "UpDownKorVzduch", 4, 250, 199, 250},
        {KorekcePage, "UpDownSyticCas3", 0, 17, 142, 17},
        {KorekcePage, "UpDownSyticKorekce2", 0, 175, 146, 75},
        {KorekcePage, "UpDownAkcelJet", 0, 4250, Offset::AccelSize, 85},
        {GasPage, "UpDownGasT", 0, 3500, Offset::N2oBuildUp, 35},
        {LadeniPage, "UpDownLadeniRpm", 0, 1050, Offset::TuneRpm, 105},
        {LadeniPage, "UpDownLadeniCas", 0, 2000, Offset::TuneTime, 20},
    };
    for (const ByteCase &c : cases) {
        model::ConfigImage image = DefaultImage();
        PageEditor editor;
        ShowEditTake(editor, image, c.page, [&](PageValues &v) { v.at(c.control, c.index) = c.value; });
        EXPECT_EQ(image[c.offset], c.byte) << c.control << " = " << c.value;
    }
}

TEST(EditorBindings, ShowScalesAndClampsIntoTheEditor)
{
    const ByteCase cases[] = {
        {RuznePage, "UpDownTps100", 0, 2670, Offset::Tps100Voltage, 17},
        {RuznePage, "UpDownTps100", 0, 4900, Offset::Tps100Voltage, 250},
        {RuznePage, "UpDownRpmKorekce", 0, -60, Offset::RpmCorrection, 40},
        {RuznePage, "CheckBoxAktBlok1", 0, 1, Offset::ActFallSensor, 7},
        {RuznePage, "ComboBoxBike", 0, 22, Offset::BikeType, 26},
        {RuznePage, "ComboBoxBike", 0, -1, Offset::BikeType, 40},
        {PolohaPage, "RadioGroupPolohaA", 0, 2, Offset::PositionARef, 5},
        {PolohaPage, "UpDownPolohaA_Deg", 3, 720, 268, 200},
        {KorekcePage, "UpDownSyticKorekce1", 0, 150, 145, 50},
        {ServoPage, "UpDownServo_mV", 0, 4980, 235, 250},
        {LadeniPage, "UpDownLadeniLambda", 0, 400, Offset::TuneLambda, 0},
        {InjBPage, "UpDownMapCell", 17, 100, 867, 120},
        {AdvancePage, "UpDownMapCell", 0, 60, 400, 200},
        {Inj14APage, "UpDownMapCell", 0, 200, 550, 200},
    };
    for (const ByteCase &c : cases) {
        model::ConfigImage image = DefaultImage();
        image[c.offset] = static_cast<std::uint8_t>(c.byte);
        PageEditor editor;
        editor.SetCurrentPage(c.page);
        EXPECT_EQ(editor.ShowPage(image).at(c.control, c.index), c.value) << c.control << " byte " << c.byte;
    }
}

}  // namespace
}  // namespace korvane::pages::test
