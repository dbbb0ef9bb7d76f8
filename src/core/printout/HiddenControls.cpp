#include "printout/HiddenControls.h"

#include <array>

namespace korvane::printout {

namespace {

constexpr std::array<HiddenControl, 68> Table{{
    // Window frame.
    {"StatusBar1"},
    {"GroupBoxToolBar"},
    {"ImageLogo1"},
    {"ImageLogo2"},
    {"LabelSpojeni"},
    {"Label1"},
    {"Label2"},
    {"Label3"},
    // Live-data gauges.
    {"CGaugeRpm"},
    {"CGaugeTps"},
    {"CGaugeLambda"},
    {"CGaugeVoda"},
    // Map group.
    {"UpDownMapRpm", 15},
    {"UpDownMapCell", 150},
    {"CSpinButtonMapColumn", 15},
    {"ButtonMinus_Map"},
    {"ButtonPlus_Map"},
    {"CheckBoxAll_Map"},
    {"UpDownMapExtra"},
    // Position, servo and corrections pages.
    {"ButtonMinus_PolohaA"},
    {"ButtonPlus_PolohaA"},
    {"CheckBoxAll_PolohaA"},
    {"ButtonMinus_PolohaB"},
    {"ButtonPlus_PolohaB"},
    {"CheckBoxAll_PolohaB"},
    {"UpDownServoHyster"},
    {"ButtonMinus_Servo"},
    {"ButtonPlus_Servo"},
    {"CheckBoxAll_Servo"},
    {"UpDownPolohaA_Rpm", 15},
    {"UpDownPolohaA_Deg", 15},
    {"UpDownPolohaB_Rpm", 15},
    {"UpDownPolohaB_Deg", 15},
    {"UpDownServo_Rpm", 15},
    {"UpDownServo_mV", 15},
    {"UpDownKorVoda", 5},
    {"UpDownKorVzduch", 5},
    // Other page.
    {"UpDownOmez1"},
    {"UpDownOmez2"},
    {"UpDownOmez3"},
    {"UpDownClutchTime"},
    {"UpDownClutchPause"},
    {"UpDownPilotLight"},
    {"UpDownStartJet"},
    {"UpDownTps0"},
    {"UpDownTps100"},
    {"ButtonTps0"},
    {"ButtonTps100"},
    {"UpDownAkcelPrah"},
    {"UpDownAkcelJet"},
    {"CheckBoxExtMonitor"},
    {"UpDownChlazeni"},
    // Corrections page.
    {"UpDownSyticCas1"},
    {"UpDownSyticCas2"},
    {"UpDownSyticCas3"},
    {"UpDownSyticCas4"},
    {"UpDownSyticKorekce0"},
    {"UpDownSyticKorekce1"},
    {"UpDownSyticKorekce2"},
    {"UpDownSyticKorekce3"},
    // N2O page.
    {"UpDownGas1"},
    {"UpDownGas2"},
    {"UpDownGasD"},
    {"UpDownGasT"},
    {"UpDownRetard1"},
    {"UpDownRetard2"},
    {"UpDownRetardD"},
    {"UpDownRetardT"},
}};

}  // namespace

std::span<const HiddenControl> PrintHiddenControls()
{
    return Table;
}

}  // namespace korvane::printout
