#include "history/ParameterNames.h"

#include "lang/Captions.h"
#include "lang/CompareTexts.h"
#include "lang/Texts.h"
#include "model/BikeTypes.h"
#include "pages/Pages.h"
#include "pages/Visibility.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace korvane::history {
namespace {

using lang::CaptionProperty;
using lang::CompareTextId;

struct NameRow {
    std::string_view control;  // binding
    std::string_view group;    // caption row of the group box around the editor, or empty
    std::string_view label;    // caption row of the label beside it (or of the control itself)
    NameStyle style = NameStyle::Plain;
    int firstPoint = 0;        // Point: the point of the first editor, counted from 0
};

// One row per binding control. A group is named where its label alone would
// be ambiguous ("Delay [ms]" of N2O and of Retard) or meaningless ("[°C]").
constexpr NameRow Rows[] = {
    {"UpDownMapRpm", {}, "LabelMapRpm", NameStyle::MapAxis},
    {"UpDownMapCell", {}, {}, NameStyle::MapCell},
    {"UpDownMapExtra", {}, {}, NameStyle::MapExtra},

    {"UpDownPolohaA_Rpm", "GroupBoxPolohaA", "LabelPolohaA_1", NameStyle::Point},
    {"UpDownPolohaA_Deg", "GroupBoxPolohaA", "LabelPolohaA_2", NameStyle::Point},
    {"UpDownPolohaB_Rpm", "GroupBoxPolohaB", "LabelPolohaB_1", NameStyle::Point},
    {"UpDownPolohaB_Deg", "GroupBoxPolohaB", "LabelPolohaB_2", NameStyle::Point},
    {"RadioGroupPolohaA", "GroupBoxPolohaA", "RadioGroupPolohaA"},
    {"RadioGroupPolohaB", "GroupBoxPolohaB", "RadioGroupPolohaB"},

    {"UpDownServo_Rpm", "GroupBoxServo", "LabelServoRpm", NameStyle::Point},
    {"UpDownServo_mV", "GroupBoxServo", "LabelServoNap", NameStyle::Point},
    {"UpDownServoHyster", {}, "LabelServoHyster"},
    {"CheckBoxServoEnable", {}, "CheckBoxServoEnable"},

    {"ComboBoxBike", {}, "LabelBike"},
    {"UpDownOmez1", {}, "LabelOmez1"},
    {"UpDownOmez2", {}, "LabelOmez2"},
    {"UpDownOmez3", {}, "LabelOmez3"},
    {"UpDownClutchTime", {}, "LabelClutchTime"},
    {"UpDownClutchPause", {}, "LabelClutchPause"},
    {"UpDownPilotLight", {}, "LabelPilotLight"},
    {"UpDownRpmPulsu", "GroupBoxRpm", "LabelRpmPulsu"},
    {"UpDownRpmKorekce", "GroupBoxRpm", "LabelRpmKorekce"},
    {"UpDownTps0", "GroupBoxTps", "LabelTps0"},
    {"UpDownTps100", "GroupBoxTps", "LabelTps100"},
    {"UpDownChlazeni", "GroupBoxChlazeni", "LabelChlazeni"},
    {"CheckBoxTempDisplay", "GroupBoxDisplay", "CheckBoxTempDisplay"},
    {"CheckBoxGearDisplay", "GroupBoxDisplay", "CheckBoxGearDisplay"},
    {"CheckBoxAktLimiter1", "GroupBoxActivation", "CheckBoxAktLimiter1"},
    {"CheckBoxAktClutch", "GroupBoxActivation", "CheckBoxAktClutch"},
    {"CheckBoxAktBlok1", "GroupBoxActivation", "CheckBoxAktBlok1"},
    {"CheckBoxBlokEnable", {}, "CheckBoxBlokEnable"},
    {"CheckBoxAktRpm", "GroupBoxActivation", "CheckBoxAktRpm"},
    {"CheckBoxAktN2o", "GroupBoxActivation", "CheckBoxAktN2o"},

    {"UpDownKorVoda", "GroupBoxVodaVzduch", "LabelVoda2", NameStyle::Temperature},
    {"UpDownKorVzduch", "GroupBoxVodaVzduch", "LabelVzduch2", NameStyle::Temperature},
    // The starting correction has five points; the first time and the last
    // correction are fixed labels.
    {"UpDownSyticCas1", "GroupBoxSytic", "LabelSyticCas", NameStyle::Point, 1},
    {"UpDownSyticCas2", "GroupBoxSytic", "LabelSyticCas", NameStyle::Point, 2},
    {"UpDownSyticCas3", "GroupBoxSytic", "LabelSyticCas", NameStyle::Point, 3},
    {"UpDownSyticCas4", "GroupBoxSytic", "LabelSyticCas", NameStyle::Point, 4},
    {"UpDownSyticKorekce0", "GroupBoxSytic", "LabelSyticKorekce", NameStyle::Point, 0},
    {"UpDownSyticKorekce1", "GroupBoxSytic", "LabelSyticKorekce", NameStyle::Point, 1},
    {"UpDownSyticKorekce2", "GroupBoxSytic", "LabelSyticKorekce", NameStyle::Point, 2},
    {"UpDownSyticKorekce3", "GroupBoxSytic", "LabelSyticKorekce", NameStyle::Point, 3},
    {"UpDownAkcelPrah", "GroupBoxAkcel", "LabelAkcelPrah"},
    {"UpDownAkcelJet", "GroupBoxAkcel", "LabelAkcelJet"},
    {"UpDownStartJet", "GroupBoxStartJet", "LabelStartJet"},

    {"CheckBoxGas", {}, "CheckBoxGas"},
    {"UpDownGas1", "GroupBoxGas", "LabelGas1"},
    {"UpDownGas2", "GroupBoxGas", "LabelGas2"},
    {"UpDownGasD", "GroupBoxGas", "LabelGasD"},
    {"UpDownGasT", "GroupBoxGas", "LabelGasT"},
    {"UpDownRetard1", "GroupBoxRetard", "LabelRetard1"},
    {"UpDownRetard2", "GroupBoxRetard", "LabelRetard2"},
    {"UpDownRetardD", "GroupBoxRetard", "LabelRetardD"},
    {"UpDownRetardT", "GroupBoxRetard", "LabelRetardT"},

    {"UpDownLadeniLambda", {}, "LabelLadeniLambda"},
    {"UpDownLadeniHyster", {}, "LabelLadeniHyster"},
    {"UpDownLadeniRpm", {}, "LabelLadeniRpm"},
    {"UpDownLadeniTps", {}, "LabelLadeniTps"},
    {"UpDownLadeniCas", {}, "LabelLadeniCas"},
};

constexpr std::array<std::string_view, pages::PageCount> PageCaptionRows{
    "MapPage0",        "MapPage1",       "MapPage2",         "MapPage3",
    "MapPage4",        "TabSheet_Poloha", "TabSheet_Servo",  "TabSheet_Ruzne",
    "TabSheet_Korekce", "TabSheet_Gas",  "TabSheet_Ladeni",
};

constexpr std::array<std::string_view, 3> JetModeRows{"Menu_Jet123Normal", "Menu_Jet123Coupled", "Menu_Jet123Stejny"};

const NameRow *FindRow(std::string_view control)
{
    const auto *row = std::find_if(std::begin(Rows), std::end(Rows),
                                   [&](const NameRow &r) { return r.control == control; });
    return row == std::end(Rows) ? nullptr : row;
}

std::string Caption(std::string_view control, std::uint8_t language)
{
    return control.empty() ? std::string() : TidyCaption(lang::CaptionText(control, CaptionProperty::Caption, language));
}

// A unit in brackets follows its group directly ("Cooling [°C]"); a word after a comma.
std::string Join(const std::string &first, const std::string &second)
{
    if (first.empty() || second.empty()) {
        return first + second;
    }
    return first + (second.front() == '[' ? " " : ", ") + second;
}


// A byte the control shows like another gets its raw value beside the text.
std::string WithRaw(std::string text, std::uint8_t byte, std::uint8_t shownAs)
{
    if (byte != shownAs) {
        text += " (" + std::to_string(byte) + ")";
    }
    return text;
}

}  // namespace

std::string TidyCaption(std::string_view caption)
{
    std::string text;
    text.reserve(caption.size());
    for (const char c : caption) {
        if (c == '&') {
            continue;
        }
        const bool blank = std::isspace(static_cast<unsigned char>(c)) != 0;
        if (blank && (text.empty() || text.back() == ' ')) {
            continue;
        }
        text += blank ? ' ' : c;
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == ':')) {
        text.pop_back();
    }
    return text;
}

std::string PageName(std::uint8_t page, std::uint8_t language)
{
    if (page < PageCaptionRows.size()) {
        return Caption(PageCaptionRows[page], language);
    }
    return lang::CompareText(CompareTextId::OtherBytes, language);
}

std::string MapRowText(std::uint8_t page, std::size_t row)
{
    const std::string_view text = pages::MapRowTexts(page == pages::InjIapPage)[row];
    std::string spaced(text.substr(0, text.size() - 1));
    return spaced + " %";
}

BindingNamer::BindingNamer(const pages::EditorBinding &binding, std::uint8_t language)
    : m_binding(binding), m_language(language)
{
    const NameRow *row = FindRow(binding.control);
    if (row == nullptr) {
        m_prefix = std::string(binding.control);
        return;
    }
    m_style = row->style;
    m_firstPoint = row->firstPoint;
    m_group = Caption(row->group, language);
    m_label = Caption(row->label, language);
    switch (m_style) {
    case NameStyle::MapAxis:
        m_group = PageName(binding.page, language);
        m_prefix = m_group + " " + m_label;
        break;
    case NameStyle::MapCell:
        m_group = PageName(binding.page, language);
        m_prefix = m_group;
        break;
    case NameStyle::MapExtra:
        m_label = TidyCaption(lang::MessageText(
            binding.page == pages::InjIapPage ? lang::TextId::IapToTp : lang::TextId::BaseAdvance, language));
        m_prefix = m_label;
        break;
    default:
        m_prefix = Join(m_group, m_label);
        break;
    }
    if (m_style == NameStyle::Point || m_style == NameStyle::MapAxis) {
        const std::string point = lang::CompareText(CompareTextId::Point, language, {"\x01"});
        const std::size_t at = point.find('\x01');
        std::string before(", ");
        before.append(point, 0, at);
        m_before = std::move(before);
        m_after = point.substr(at + 1);
    } else if (m_style == NameStyle::MapCell) {
        std::string before(1, ' ');
        before += lang::CompareText(CompareTextId::Rpm, language);
        before += " / ";
        m_before = std::move(before);
    }
}

std::string BindingNamer::Name(std::size_t index, const model::ConfigImage &axisImage) const
{
    // A full comparison names every editor; one string, built once, each.
    std::string name;
    name.reserve(m_prefix.size() + m_before.size() + m_after.size() + 16);
    name += m_prefix;
    switch (m_style) {
    case NameStyle::Point:
    case NameStyle::MapAxis:
        name += m_before;
        name += std::to_string(m_firstPoint + static_cast<int>(index) + 1);
        name += m_after;
        break;
    case NameStyle::Temperature:
        name += ' ';
        name += Caption("LabelKorTeplota" + std::to_string(index), m_language);
        break;
    case NameStyle::MapCell: {
        const std::size_t column = index % model::MapColumns;
        name += ' ';
        name += std::to_string(axisImage[model::AxisOfMapPage(m_binding.page) + column] * model::Scale::Rpm);
        name += m_before;
        name += MapRowText(m_binding.page, index / model::MapColumns);
        break;
    }
    default:
        break;
    }
    return name;
}

int EditorValue(const pages::EditorBinding &binding, std::uint8_t byte)
{
    switch (binding.transform) {
    case pages::Transform::Divide:
        return byte * binding.factor;
    case pages::Transform::AddOffset:
        return byte - binding.factor;
    case pages::Transform::Tps100:
        return byte * model::Scale::TpsMv + model::Scale::Tps100OffsetMv;
    default:
        return byte;
    }
}

std::string ValueText(const pages::EditorBinding &binding, std::uint8_t byte, std::uint8_t language)
{
    switch (binding.kind) {
    case pages::ControlKind::Check: {
        const bool ticked = byte != 0;
        return WithRaw(lang::CompareText(ticked ? CompareTextId::Ticked : CompareTextId::NotTicked, language), byte,
                       ticked ? 1 : 0);
    }
    case pages::ControlKind::Radio: {
        const std::uint8_t item = std::min<std::uint8_t>(byte, 2);
        return WithRaw(std::string(lang::PositionRefItems(language)[item]), byte, item);
    }
    case pages::ControlKind::Combo:
        return ModelName(byte, language);
    case pages::ControlKind::Numeric:
        break;
    }
    return std::to_string(EditorValue(binding, byte));
}

std::string JetModeName(std::uint8_t language)
{
    return Caption("Menu_Jet123Mode", language);
}

std::string JetModeChoice(std::uint8_t mode, std::uint8_t language)
{
    if (mode < JetModeRows.size()) {
        return Caption(JetModeRows[mode], language);
    }
    return lang::CompareText(CompareTextId::UnknownItem, language, {std::to_string(mode)});
}

std::string ModelName(std::uint8_t bikeType, std::uint8_t language)
{
    const std::optional<int> item = model::BikeTypeToCombo(bikeType);
    if (!item) {
        return lang::CompareText(CompareTextId::UnknownItem, language, {std::to_string(bikeType)});
    }
    return TidyCaption(model::BikeListTexts()[static_cast<std::size_t>(*item)]);
}

}  // namespace korvane::history
