#include "pages/Visibility.h"

#include "pages/Pages.h"

namespace korvane::pages {
namespace {

namespace Offset = model::Offset;

bool TemperatureDisplayType(std::uint8_t type)
{
    return type == 17 || type == 18 || type == 27;
}

bool GearDisplayType(std::uint8_t type)
{
    return (type >= 11 && type <= 16) || type == 20 || type == 25 || type == 26;
}

}  // namespace

DisplayChoices AllowedDisplayChoices(std::uint8_t bikeType, std::uint8_t servoEnable)
{
    return {TemperatureDisplayType(bikeType), GearDisplayType(bikeType) && servoEnable == 0};
}

void ClearDisplayChoices(model::ConfigImage &image)
{
    const std::uint8_t type = image[Offset::BikeType];
    if (!GearDisplayType(type))
        image[Offset::GearDisplay] = 0;
    if (!TemperatureDisplayType(type))
        image[Offset::TempDisplay] = 0;
}

Visibility DeriveVisibility(const model::ConfigImage &image, std::uint8_t page)
{
    Visibility v;
    v.jetMode = JetModeOf(image);
    v.inj23ATab = v.jetMode != JetMode::Equal;
    const std::uint8_t servo = image[Offset::ServoEnable];
    v.servoGroup = servo != 0;
    v.n2oGroups = image[Offset::N2oEnable] != 0;
    v.gearShown = image[Offset::GearDisplay] != 0;
    v.servoEnableBox = image[Offset::GearDisplay] == 0;
    v.servoLiveLabels = servo != 0;
    v.displayChoices = AllowedDisplayChoices(image[Offset::BikeType], servo);

    v.mapEditable = !(page == Inj23APage && v.jetMode == JetMode::Coupled);
    v.jetModeLabel = (page == Inj14APage || page == Inj23APage) && v.jetMode != JetMode::Separate;
    if (v.jetMode == JetMode::Equal) {
        v.jetModeText = "  14=23  ";
        v.jetModeColour = link::Colour::Aqua;
    } else {
        v.jetModeText = "  14->23  ";
        v.jetModeColour = link::Colour::Yellow;
    }
    v.mapExtra = page == AdvancePage || page == InjIapPage;
    v.mapExtraCaption = page == InjIapPage ? lang::TextId::IapToTp : lang::TextId::BaseAdvance;
    v.iapRows = page == InjIapPage;
    return v;
}

const std::array<std::string_view, 10> &MapRowTexts(bool iapRows)
{
    static constexpr std::array<std::string_view, 10> throttle{"0%",  "2%",  "5%",  "10%", "20%",
                                                               "30%", "40%", "60%", "80%", "100%"};
    static constexpr std::array<std::string_view, 10> pressure{"30%", "50%", "60%", "70%", "75%",
                                                               "80%", "85%", "90%", "95%", "100%"};
    return iapRows ? pressure : throttle;
}

}  // namespace korvane::pages
