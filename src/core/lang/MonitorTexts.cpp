#include "lang/MonitorTexts.h"

#include "lang/Texts.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace korvane::lang {

namespace {

// Verbatim, blanks and odd unit spellings included.
constexpr DesignText DesignTexts[] = {
    {"LabelRpm", "RPM = ---"},
    {"LabelPodtlak", "IAP= --- [%] "},
    {"LabelLambda", "LAMBDA= --- [mV]"},
    {"LabelTpsMon", "TP= --- [%]"},
    {"LabelMon_Ign", "Advance= --- [°]"},
    {"LabelMon_Jet_14A", "Inj. Time 14A = --- [us]"},
    {"LabelMon_Jet_23A", "Inj. Time 23A = --- [us]"},
    {"LabelMon_Jet_14B", "Inj. Time 14B = --- [us]"},
    {"LabelMon_Jet_23B", "Inj. Time 23B = --- [us]"},
    {"LabelMaxInjProcent", "Max Inj.= -- [%]"},
    {"LabelMon_PolohaA", "Position A= ---"},
    {"LabelMon_PolohaB", "Position B= ---"},
    {"LabelTlak", "AP= --- [kPa]"},
    {"LabelVoda", "TW= --- [°C]"},
    {"LabelVzduch", "AT= --- [°]"},
    {"LabelNapeti", "U = ---[V]"},
    {"LabelServoPoz", "Servo Required= ---"},
    {"LabelServoMer", "Servo Measured= ---"},
    {"LabelBlocking1", "Fall sensor: --"},
    {"LabelBlocking2", "Blocking: --"},
    {"LabelClutchMon", "Clutch master= ---"},
    {"LabelMonOmez1", "Start Limiter:--"},
    {"LabelTacho_Lambda", "Tacho/Lambda= ---"},
    {"LabelClazeniMon", "Chlazení:--"},
    {"LabelN2oEnable", "N2O= ---"},
    {"LabelKorVoda", "TW correction= -- [%]"},
    {"LabelKorVzduch", "AT correction= -- [%]"},
    {"LabelKorTlak", "AP correction= -- [%]"},
    {"LabelKorSytic", "Starting corr.= -- [%]"},
    {"LabelKorNapeti", "U correction= -- [us]"},
    {"LabelVersion", ""},
    {"LabelGear", "Gear= ---"},
    {"LabelPocetProgramovani", "Number of Programing: -----"},
    {"LabelTest1", "Test1 = ---"},
    {"LabelTest2", "Test2 = ---"},
    {"LabelTest3", "Test3 = ---"},
    {"LabelTest4", "Test4 = ---"},
    {"LabelTest5", "Test5 = ---"},
    {"LabelTest6", "Test6 = ---"},
    {"LabelTest7", "Test7 = ---"},
    {"LabelTest8", "Test8 = ---"},
};

// A placeholder is the message text of the language followed by a fixed tail.
struct PlaceholderRow {
    std::string_view label;
    TextId prefix;
    std::string_view tail;
};

constexpr PlaceholderRow PlaceholderRows[] = {
    {"LabelMon_Ign", TextId::Advance, "= --- [°]"},
    {"LabelPocetProgramovani", TextId::ProgramCount, "---"},
    {"LabelBlocking2", TextId::Blocking, "---"},
    {"LabelMonOmez1", TextId::StartLimiter, "---"},
    {"LabelMon_Jet_14A", TextId::InjectionTime, " 14A = --- us"},
    {"LabelMon_Jet_23A", TextId::InjectionTime, " 23A = --- us"},
    {"LabelMon_Jet_14B", TextId::InjectionTime, " 14B = --- us"},
    {"LabelMon_Jet_23B", TextId::InjectionTime, " 23B = --- us"},
    {"LabelMaxInjProcent", TextId::MaxInjection, " = --- %"},
    {"LabelMon_PolohaA", TextId::Position, " A = ---"},
    {"LabelMon_PolohaB", TextId::Position, " B = ---"},
    {"LabelServoPoz", TextId::ServoDesired, " = --- mV"},
    {"LabelServoMer", TextId::ServoMeasured, " = --- mV"},
    {"LabelBlocking1", TextId::FallSensor, " = ---"},
    {"LabelClazeniMon", TextId::Cooling, " = ---"},
    {"LabelGear", TextId::Gear, " = --- "},
};

constexpr std::size_t PlaceholderCount = std::size(PlaceholderRows);

constexpr std::array<std::string_view, PlaceholderCount> PlaceholderLabelList = [] {
    std::array<std::string_view, PlaceholderCount> labels{};
    for (std::size_t i = 0; i < PlaceholderCount; ++i) {
        labels[i] = PlaceholderRows[i].label;
    }
    return labels;
}();

}  // namespace

std::span<const DesignText> MonitorDesignTexts()
{
    return DesignTexts;
}

std::optional<std::string> MonitorPlaceholder(std::string_view label, std::uint8_t language)
{
    const auto *row = std::find_if(std::begin(PlaceholderRows), std::end(PlaceholderRows),
                                   [&](const PlaceholderRow &r) { return r.label == label; });
    if (row == std::end(PlaceholderRows)) {
        return std::nullopt;
    }
    return MessageText(row->prefix, language) + std::string(row->tail);
}

std::span<const std::string_view> PlaceholderLabels()
{
    return PlaceholderLabelList;
}

}  // namespace korvane::lang
