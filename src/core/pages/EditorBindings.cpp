#include "pages/EditorBindings.h"

#include "model/BikeTypes.h"
#include "model/ConfigImage.h"

#include <algorithm>
#include <array>

namespace korvane::pages {
namespace {

namespace Offset = model::Offset;
namespace Scale = model::Scale;
using model::CurvePoints;
using model::MapCells;

constexpr int RpmMin = 300;
constexpr int RpmMax = 25000;
constexpr int LimiterMin = 900;

// A form editor of one byte.
constexpr EditorBinding Spin(std::string_view control, Page page, std::size_t offset, Transform transform,
                             int factor, int min, int max, int step, int initial)
{
    return {control, page, ControlKind::Numeric, offset, 1, transform, factor, min, max, step, initial, false};
}

constexpr EditorBinding Plain(std::string_view control, Page page, std::size_t offset, int min, int max,
                              int initial)
{
    return Spin(control, page, offset, Transform::Direct, 1, min, max, 1, initial);
}

// Editors the window creates itself start at their minimum.
constexpr EditorBinding Run(std::string_view control, Page page, std::size_t offset, std::size_t count,
                            Transform transform, int factor, int min, int max, int step)
{
    return {control, page, ControlKind::Numeric, offset, count, transform, factor, min, max, step, min, true};
}

constexpr EditorBinding RpmRun(std::string_view control, Page page, std::size_t offset)
{
    return Run(control, page, offset, CurvePoints, Transform::Divide, Scale::Rpm, RpmMin, RpmMax, Scale::Rpm);
}

constexpr EditorBinding Box(std::string_view control, Page page, std::size_t offset)
{
    return {control, page, ControlKind::Check, offset, 1, Transform::Check, 1, 0, 1, 1, 0, false};
}

// The design selects "Centre".
constexpr EditorBinding Radio(std::string_view control, Page page, std::size_t offset)
{
    return {control, page, ControlKind::Radio, offset, 1, Transform::Radio, 1, 0, 2, 1, 1, false};
}

// Item indexes of the model list; the design has no item selected.
constexpr EditorBinding Combo(std::string_view control, Page page, std::size_t offset)
{
    return {control, page, ControlKind::Combo, offset, 1, Transform::BikeCombo, 1, 0,
            static_cast<int>(model::BikeCount) - 1, 1, -1, false};
}

constexpr EditorBinding MapAxis(Page page)
{
    return RpmRun("UpDownMapRpm", page, model::AxisOfMapPage(page));
}

constexpr EditorBinding MapCellRun(Page page, int cellMaximum)
{
    return Run("UpDownMapCell", page, model::MapOfPage(page), MapCells, Transform::Direct, 1, 0, cellMaximum, 1);
}

constexpr EditorBinding MapExtra(Page page, std::size_t offset)
{
    return Run("UpDownMapExtra", page, offset, 1, Transform::Direct, 1, 0, 100, 1);
}

constexpr std::array Bindings{
    // Map group, one set of rows per map page.
    MapAxis(AdvancePage),
    MapCellRun(AdvancePage, 60),
    MapExtra(AdvancePage, Offset::BaseAdvance),
    MapAxis(Inj14APage),
    MapCellRun(Inj14APage, 250),
    MapAxis(Inj23APage),
    MapCellRun(Inj23APage, 250),
    MapAxis(InjBPage),
    MapCellRun(InjBPage, 100),
    MapAxis(InjIapPage),
    MapCellRun(InjIapPage, 250),
    MapExtra(InjIapPage, Offset::IapToTps),

    RpmRun("UpDownPolohaA_Rpm", PolohaPage, Offset::PosARpm),
    Run("UpDownPolohaA_Deg", PolohaPage, Offset::PosAValue, CurvePoints, Transform::Divide,
        Scale::PositionDegrees, 0, 720, Scale::PositionDegrees),
    RpmRun("UpDownPolohaB_Rpm", PolohaPage, Offset::PosBRpm),
    Run("UpDownPolohaB_Deg", PolohaPage, Offset::PosBValue, CurvePoints, Transform::Divide,
        Scale::PositionDegrees, 0, 720, Scale::PositionDegrees),
    Radio("RadioGroupPolohaA", PolohaPage, Offset::PositionARef),
    Radio("RadioGroupPolohaB", PolohaPage, Offset::PositionBRef),

    RpmRun("UpDownServo_Rpm", ServoPage, Offset::ServoRpm),
    Run("UpDownServo_mV", ServoPage, Offset::ServoVolt, CurvePoints, Transform::Divide, Scale::ServoVoltMv, 20,
        4980, Scale::ServoVoltMv),
    Spin("UpDownServoHyster", ServoPage, Offset::ServoHysteresis, Transform::Divide, Scale::ServoHysteresisMv, 0,
         1275, 5, 300),
    Box("CheckBoxServoEnable", ServoPage, Offset::ServoEnable),

    // The model goes first so that the type code is in place before anything else.
    Combo("ComboBoxBike", RuznePage, Offset::BikeType),
    Spin("UpDownOmez1", RuznePage, Offset::StartLimiter, Transform::Divide, Scale::Rpm, LimiterMin, RpmMax, 100,
         25000),
    Spin("UpDownOmez2", RuznePage, Offset::IgnitionLimiter, Transform::Divide, Scale::Rpm, LimiterMin, RpmMax,
         100, 25000),
    Spin("UpDownOmez3", RuznePage, Offset::InjectionLimiter, Transform::Divide, Scale::Rpm, LimiterMin, RpmMax,
         100, 25000),
    Spin("UpDownClutchTime", RuznePage, Offset::ClutchTime, Transform::Divide, Scale::ClutchMs, 0, 2500, 10, 0),
    Spin("UpDownClutchPause", RuznePage, Offset::ClutchPause, Transform::Divide, Scale::ClutchMs, 0, 2500, 10,
         0),
    Spin("UpDownPilotLight", RuznePage, Offset::ShiftLight, Transform::Divide, Scale::Rpm, 1000, RpmMax, 100,
         15000),
    Plain("UpDownRpmPulsu", RuznePage, Offset::PulsesPerRev, 0, 6, 1),
    Spin("UpDownRpmKorekce", RuznePage, Offset::RpmCorrection, Transform::AddOffset, Scale::RpmCorrectionOffset,
         -60, 60, 1, 0),
    Spin("UpDownTps0", RuznePage, Offset::Tps0Voltage, Transform::Divide, Scale::TpsMv, 300, 2500, 10, 300),
    Spin("UpDownTps100", RuznePage, Offset::Tps100Voltage, Transform::Tps100, Scale::TpsMv, 2500, 4900, 10,
         2500),
    Plain("UpDownChlazeni", RuznePage, Offset::WarningTemp, 0, 150, 0),
    Box("CheckBoxTempDisplay", RuznePage, Offset::TempDisplay),
    Box("CheckBoxGearDisplay", RuznePage, Offset::GearDisplay),
    Box("CheckBoxAktLimiter1", RuznePage, Offset::ActStartLimiter),
    Box("CheckBoxAktClutch", RuznePage, Offset::ActClutch),
    Box("CheckBoxAktBlok1", RuznePage, Offset::ActFallSensor),
    Box("CheckBoxBlokEnable", RuznePage, Offset::BlockingEnable),
    Box("CheckBoxAktRpm", RuznePage, Offset::ActTachoLambda),
    Box("CheckBoxAktN2o", RuznePage, Offset::ActN2o),

    Run("UpDownKorVoda", KorekcePage, Offset::CoolantCorr, model::TempCorrPoints, Transform::Direct, 1, 10, 250,
        1),
    Run("UpDownKorVzduch", KorekcePage, Offset::AirCorr, model::TempCorrPoints, Transform::Direct, 1, 10, 250,
        1),
    // Four separate controls of the form, hence four rows.
    Plain("UpDownSyticCas1", KorekcePage, Offset::StartCorrTime + 0, 0, 250, 5),
    Plain("UpDownSyticCas2", KorekcePage, Offset::StartCorrTime + 1, 0, 250, 10),
    Plain("UpDownSyticCas3", KorekcePage, Offset::StartCorrTime + 2, 0, 250, 15),
    Plain("UpDownSyticCas4", KorekcePage, Offset::StartCorrTime + 3, 0, 250, 20),
    Spin("UpDownSyticKorekce0", KorekcePage, Offset::StartCorrValue + 0, Transform::AddOffset,
         -Scale::StartCorrOffset, 100, 350, 1, 300),
    Spin("UpDownSyticKorekce1", KorekcePage, Offset::StartCorrValue + 1, Transform::AddOffset,
         -Scale::StartCorrOffset, 100, 350, 1, 250),
    Spin("UpDownSyticKorekce2", KorekcePage, Offset::StartCorrValue + 2, Transform::AddOffset,
         -Scale::StartCorrOffset, 100, 350, 1, 200),
    Spin("UpDownSyticKorekce3", KorekcePage, Offset::StartCorrValue + 3, Transform::AddOffset,
         -Scale::StartCorrOffset, 100, 350, 1, 150),
    Spin("UpDownAkcelPrah", KorekcePage, Offset::AccelThreshold, Transform::Divide, Scale::AccelThreshold, 10,
         2500, 10, 100),
    Spin("UpDownAkcelJet", KorekcePage, Offset::AccelSize, Transform::Divide, Scale::AccelSizeUs, 0, 7500, 50,
         90),
    Plain("UpDownStartJet", KorekcePage, Offset::StartInjection, 0, 50, 0),

    Box("CheckBoxGas", GasPage, Offset::N2oEnable),
    Plain("UpDownGas1", GasPage, Offset::N2o1, 0, 100, 0),
    Plain("UpDownGas2", GasPage, Offset::N2o2, 0, 100, 0),
    Spin("UpDownGasD", GasPage, Offset::N2oDelay, Transform::Divide, Scale::N2oRetardMs, 0, 25500, 100, 100),
    Spin("UpDownGasT", GasPage, Offset::N2oBuildUp, Transform::Divide, Scale::N2oRetardMs, 0, 25500, 100, 0),
    Plain("UpDownRetard1", GasPage, Offset::Retard1, 0, 25, 0),
    Plain("UpDownRetard2", GasPage, Offset::Retard2, 0, 25, 0),
    Spin("UpDownRetardD", GasPage, Offset::RetardDelay, Transform::Divide, Scale::N2oRetardMs, 0, 25500, 100,
         100),
    Spin("UpDownRetardT", GasPage, Offset::RetardBuildUp, Transform::Divide, Scale::N2oRetardMs, 0, 25500, 100,
         0),

    Spin("UpDownLadeniLambda", LadeniPage, Offset::TuneLambda, Transform::Divide, Scale::Tune10, 400, 1000, 10,
         800),
    Spin("UpDownLadeniHyster", LadeniPage, Offset::TuneHyster, Transform::Divide, Scale::Tune10, 10, 400, 10, 50),
    Spin("UpDownLadeniRpm", LadeniPage, Offset::TuneRpm, Transform::Divide, Scale::Tune10, 50, 2000, 100, 100),
    Plain("UpDownLadeniTps", LadeniPage, Offset::TuneTps, 0, 20, 2),
    Spin("UpDownLadeniCas", LadeniPage, Offset::TuneTime, Transform::Divide, Scale::TuneTime, 400, 20000, 200,
         1000),
};

constexpr std::uint8_t LowByte(int value) { return static_cast<std::uint8_t>(value & 0xFF); }

}  // namespace

std::span<const EditorBinding> EditorBindings()
{
    return Bindings;
}

std::vector<const EditorBinding *> BindingsOfPage(std::uint8_t page)
{
    std::vector<const EditorBinding *> rows;
    for (const EditorBinding &binding : Bindings) {
        if (binding.page == page) {
            rows.push_back(&binding);
        }
    }
    return rows;
}

const EditorBinding *FindBinding(std::uint8_t page, std::string_view control)
{
    const auto found = std::find_if(Bindings.begin(), Bindings.end(), [&](const EditorBinding &binding) {
        return binding.page == page && binding.control == control;
    });
    return found == Bindings.end() ? nullptr : &*found;
}

std::size_t ValueCountOfPage(std::uint8_t page)
{
    std::size_t count = 0;
    for (const EditorBinding &binding : Bindings) {
        if (binding.page == page) {
            count += binding.count;
        }
    }
    return count;
}

int ImageToEditor(const EditorBinding &binding, std::uint8_t byte)
{
    int value = byte;
    switch (binding.transform) {
    case Transform::Direct:
        break;
    case Transform::Divide:
        value = byte * binding.factor;
        break;
    case Transform::AddOffset:
        value = byte - binding.factor;
        break;
    case Transform::Tps100:
        value = byte * Scale::TpsMv + Scale::Tps100OffsetMv;
        break;
    case Transform::Check:
        return byte != 0 ? 1 : 0;
    case Transform::Radio:
        return std::min<int>(byte, 2);
    case Transform::BikeCombo:
        return model::BikeTypeToCombo(byte).value_or(-1);
    }
    return std::clamp(value, binding.min, binding.max);
}

bool EditorToImage(const EditorBinding &binding, int value, std::uint8_t &byte)
{
    // Scaled editors never go below zero; should one arrive, it counts as zero.
    const int positive = std::max(value, 0);
    switch (binding.transform) {
    case Transform::Direct:
        byte = LowByte(value);
        return true;
    case Transform::Divide:
        byte = LowByte(positive / binding.factor);
        return true;
    case Transform::AddOffset:
        byte = LowByte(value + binding.factor);
        return true;
    case Transform::Tps100:
        // 2500 mV is byte 0: (250 + 6) wraps to 0.
        byte = LowByte(positive / Scale::TpsMv + 6);
        return true;
    case Transform::Check:
        byte = value != 0 ? 1 : 0;
        return true;
    case Transform::Radio:
        if (value < 0) {
            return false;
        }
        byte = LowByte(value);
        return true;
    case Transform::BikeCombo: {
        const auto code = model::ComboToBikeType(value);
        if (!code) {
            return false;
        }
        byte = *code;
        return true;
    }
    }
    return false;
}

}  // namespace korvane::pages
