#pragma once

// What the parameters and the page on view let the user see: tabs, groups,
// enabled states, menu check marks and the texts that depend on the page.
// Derived anew each time from the image alone; deriving changes nothing.

#include "lang/Texts.h"
#include "link/Colour.h"
#include "model/ConfigImage.h"
#include "pages/JetMode.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace korvane::pages {

// Which "Display on Bike" choices a motorcycle type offers.
struct DisplayChoices {
    bool temperature = false;  // CheckBoxTempDisplay, byte 150
    bool gear = false;         // CheckBoxGearDisplay, byte 149
};
[[nodiscard]] DisplayChoices AllowedDisplayChoices(std::uint8_t bikeType, std::uint8_t servoEnable);

// Clears the display bytes the type does not offer. Run after every
// normalisation, so that showing a page never has to change the image.
void ClearDisplayChoices(model::ConfigImage &image);

struct Visibility {
    JetMode jetMode = JetMode::Separate;  // the checked Jet 14-23 item
    bool inj23ATab = true;
    bool servoGroup = false;
    bool n2oGroups = false;               // GroupBoxGas and GroupBoxRetard
    bool gearShown = false;               // LabelGearIsCecked shown, LabelGear enabled
    bool servoEnableBox = true;           // CheckBoxServoEnable enabled
    bool servoLiveLabels = false;         // LabelServoPoz, LabelServoMer enabled
    DisplayChoices displayChoices;        // enabled check boxes
    bool mapEditable = true;              // GroupBoxMap enabled, its tools shown
    bool jetModeLabel = false;            // LabelJetMode shown
    std::string_view jetModeText;
    link::Colour jetModeColour = link::Colour::Yellow;
    bool mapExtra = false;                // EditMapExtra with its caption
    lang::TextId mapExtraCaption = lang::TextId::BaseAdvance;
    bool iapRows = false;                 // LabelMapRow read manifold pressure
    // The Tuning tab is never shown.
    static constexpr bool TuningTab = false;
};

// page: the page on view (CurrentPage).
[[nodiscard]] Visibility DeriveVisibility(const model::ConfigImage &image, std::uint8_t page);

// The texts of LabelMapRow 0..9: throttle or manifold-pressure rows.
[[nodiscard]] const std::array<std::string_view, 10> &MapRowTexts(bool iapRows);

}  // namespace korvane::pages
