#include "ParameterReport.h"

#include "model/BikeTypes.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace korvane::cli {

namespace {

namespace O = model::Offset;
namespace S = model::Scale;
using model::ConfigImage;

// The list pads its texts into columns with runs of blanks; one blank reads better here.
std::string CollapsedBlanks(std::string_view text)
{
    std::string result;
    for (const char c : text) {
        if (c != ' ' || (!result.empty() && result.back() != ' ')) {
            result += c;
        }
    }
    while (!result.empty() && result.back() == ' ') {
        result.pop_back();
    }
    return result;
}

std::string Cell(int value, int width)
{
    char text[16];
    std::snprintf(text, sizeof text, "%*d", width, value);
    return text;
}

void Heading(std::ostream &out, std::string_view title) { out << '\n' << title << '\n'; }

void Line(std::ostream &out, std::string_view label, const std::string &value)
{
    constexpr std::size_t LabelWidth = 32;
    out << "  " << label << ' ';
    for (std::size_t i = label.size() + 1; i < LabelWidth; ++i) {
        out << ' ';
    }
    out << value << '\n';
}

std::string WithUnit(int value, std::string_view unit) { return std::to_string(value) + " " + std::string(unit); }

std::string YesNo(std::uint8_t flag) { return flag != 0 ? "yes" : "no"; }

int Scaled(const ConfigImage &image, std::size_t offset, int factor) { return image[offset] * factor; }

std::string TypeText(std::uint8_t code)
{
    const std::optional<int> item = model::BikeTypeToCombo(code);
    if (!item) {
        return std::to_string(code) + " (unknown type)";
    }
    return std::to_string(code) + " (" + CollapsedBlanks(model::BikeListTexts()[static_cast<std::size_t>(*item)]) + ")";
}

std::string ReferenceText(std::uint8_t ref)
{
    switch (ref) {
    case 0: return "beginning of injection";
    case 1: return "centre of injection";
    case 2: return "end of injection";
    default: return std::to_string(ref) + " (unknown)";
    }
}

std::string JetModeText(std::uint8_t mode)
{
    switch (mode) {
    case 0: return "0 (14A and 23A separate)";
    case 1: return "1 (14A and 23A coupled)";
    case 2: return "2 (14 = 23)";
    default: return std::to_string(mode) + " (unknown)";
    }
}

// A curve as two rows: engine speed and the value at that speed.
void CurveTable(std::ostream &out, const ConfigImage &image, std::size_t rpmOffset, std::size_t valueOffset,
                int valueFactor, std::string_view valueLabel)
{
    out << "    rpm    ";
    for (std::size_t i = 0; i < model::CurvePoints; ++i) {
        out << Cell(Scaled(image, rpmOffset + i, S::Rpm), 6);
    }
    out << "\n    " << valueLabel;
    for (std::size_t i = valueLabel.size(); i < 7; ++i) {
        out << ' ';
    }
    for (std::size_t i = 0; i < model::CurvePoints; ++i) {
        out << Cell(Scaled(image, valueOffset + i, valueFactor), 6);
    }
    out << '\n';
}

void MapTable(std::ostream &out, const ConfigImage &image, std::string_view title, std::size_t page)
{
    Heading(out, title);
    const std::size_t axis = model::AxisOfMapPage(page);
    const std::size_t map = model::MapOfPage(page);
    out << "  TPS \\ rpm";
    for (std::size_t i = 0; i < model::MapColumns; ++i) {
        out << Cell(Scaled(image, axis + i, S::Rpm), 6);
    }
    out << '\n';
    for (std::size_t row = 0; row < model::MapRows; ++row) {
        out << "  " << Cell(model::MapRowThrottle[row], 5) << " %  ";
        for (std::size_t column = 0; column < model::MapColumns; ++column) {
            out << Cell(image[model::MapCell(map, row, column)], 6);
        }
        out << '\n';
    }
}

std::string List(const ConfigImage &image, std::size_t offset, std::size_t count, std::string_view unit)
{
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += (i == 0 ? "" : ", ") + std::to_string(image[offset + i]);
    }
    return text + " " + std::string(unit);
}

}  // namespace

void PrintParameters(std::ostream &out, const ConfigImage &image, bool extMonitor)
{
    const ConfigImage &im = image;

    Heading(out, "Motorcycle");
    Line(out, "Type", TypeText(im[O::BikeType]));
    Line(out, "Extended monitor", extMonitor ? "yes" : "no");

    Heading(out, "Limiters");
    Line(out, "Start limiter", WithUnit(Scaled(im, O::StartLimiter, S::Rpm), "rpm"));
    Line(out, "Ignition limiter", WithUnit(Scaled(im, O::IgnitionLimiter, S::Rpm), "rpm"));
    Line(out, "Injection limiter", WithUnit(Scaled(im, O::InjectionLimiter, S::Rpm), "rpm"));
    Line(out, "Gear shift light", WithUnit(Scaled(im, O::ShiftLight, S::Rpm), "rpm"));
    Line(out, "Clutch master time", WithUnit(Scaled(im, O::ClutchTime, S::ClutchMs), "ms"));
    Line(out, "Clutch master pause", WithUnit(Scaled(im, O::ClutchPause, S::ClutchMs), "ms"));

    Heading(out, "Engine speed signal");
    Line(out, "Pulses per revolution", std::to_string(im[O::PulsesPerRev]));
    Line(out, "Engine speed correction", std::to_string(int{im[O::RpmCorrection]} - S::RpmCorrectionOffset));

    Heading(out, "Throttle sensor");
    Line(out, "Voltage at 0 %", WithUnit(Scaled(im, O::Tps0Voltage, S::TpsMv), "mV"));
    Line(out, "Voltage at 100 %", WithUnit(Scaled(im, O::Tps100Voltage, S::TpsMv) + S::Tps100OffsetMv, "mV"));
    Line(out, "IAP -> TP", WithUnit(im[O::IapToTps], "%"));

    Heading(out, "Acceleration injection");
    Line(out, "Threshold", WithUnit(Scaled(im, O::AccelThreshold, S::AccelThreshold), "%/s"));
    Line(out, "Size", WithUnit(Scaled(im, O::AccelSize, S::AccelSizeUs), "us"));

    Heading(out, "Start");
    Line(out, "Start injection", WithUnit(im[O::StartInjection], "ms"));
    // The curve starts at 0 s with the first value and ends at the last time with 100 %.
    std::string curve = "0 s: " + std::to_string(im[O::StartCorrValue] + S::StartCorrOffset) + " %";
    for (std::size_t k = 0; k < model::StartCorrPoints; ++k) {
        const int percent =
            k + 1 < model::StartCorrPoints ? im[O::StartCorrValue + k + 1] + S::StartCorrOffset : 100;
        curve += ", " + std::to_string(im[O::StartCorrTime + k]) + " s: " + std::to_string(percent) + " %";
    }
    Line(out, "Start correction at -10 C", curve);

    Heading(out, "Corrections");
    Line(out, "Injection mode", JetModeText(im[O::JetMode]));
    Line(out, "Base advance", WithUnit(im[O::BaseAdvance], "deg"));
    Line(out, "Temperature warning", WithUnit(im[O::WarningTemp], "C"));
    Line(out, "Coolant at -10/20/50/80/110 C", List(im, O::CoolantCorr, model::TempCorrPoints, "%"));
    Line(out, "Air at -10/20/50/80/110 C", List(im, O::AirCorr, model::TempCorrPoints, "%"));

    Heading(out, "Inputs active when closed to ground");
    Line(out, "Fall sensor", YesNo(im[O::ActFallSensor]));
    Line(out, "Clutch master", YesNo(im[O::ActClutch]));
    Line(out, "Start limiter", YesNo(im[O::ActStartLimiter]));
    Line(out, "Tacho / lambda", YesNo(im[O::ActTachoLambda]));
    Line(out, "N2O", YesNo(im[O::ActN2o]));
    Line(out, "Blocking enabled", YesNo(im[O::BlockingEnable]));

    Heading(out, "N2O");
    Line(out, "Enabled", YesNo(im[O::N2oEnable]));
    Line(out, "N2O 1", WithUnit(im[O::N2o1], "%"));
    Line(out, "N2O 2", WithUnit(im[O::N2o2], "%"));
    Line(out, "Delay", WithUnit(Scaled(im, O::N2oDelay, S::N2oRetardMs), "ms"));
    Line(out, "Build-up time", WithUnit(Scaled(im, O::N2oBuildUp, S::N2oRetardMs), "ms"));

    Heading(out, "Retard");
    Line(out, "Retard 1", WithUnit(im[O::Retard1], "deg"));
    Line(out, "Retard 2", WithUnit(im[O::Retard2], "deg"));
    Line(out, "Delay", WithUnit(Scaled(im, O::RetardDelay, S::N2oRetardMs), "ms"));
    Line(out, "Build-up time", WithUnit(Scaled(im, O::RetardBuildUp, S::N2oRetardMs), "ms"));

    Heading(out, "Display");
    Line(out, "Temperature instead of speed", YesNo(im[O::TempDisplay]));
    Line(out, "Gear instead of servo", YesNo(im[O::GearDisplay]));

    Heading(out, "Servo");
    Line(out, "Enabled", YesNo(im[O::ServoEnable]));
    Line(out, "Hysteresis", WithUnit(Scaled(im, O::ServoHysteresis, S::ServoHysteresisMv), "mV"));
    CurveTable(out, im, O::ServoRpm, O::ServoVolt, S::ServoVoltMv, "mV");

    Heading(out, "Injection position A");
    Line(out, "Reference", ReferenceText(im[O::PositionARef]));
    CurveTable(out, im, O::PosARpm, O::PosAValue, S::PositionDegrees, "deg");
    Heading(out, "Injection position B");
    Line(out, "Reference", ReferenceText(im[O::PositionBRef]));
    CurveTable(out, im, O::PosBRpm, O::PosBValue, S::PositionDegrees, "deg");

    Heading(out, "Tuning");
    Line(out, "Lambda", std::to_string(Scaled(im, O::TuneLambda, S::Tune10)));
    Line(out, "Hysteresis", std::to_string(Scaled(im, O::TuneHyster, S::Tune10)));
    Line(out, "Engine speed step", std::to_string(Scaled(im, O::TuneRpm, S::Tune10)));
    Line(out, "Throttle", std::to_string(im[O::TuneTps]));
    Line(out, "Time", std::to_string(Scaled(im, O::TuneTime, S::TuneTime)));

    MapTable(out, im, "Ignition advance map [deg]", 0);
    MapTable(out, im, "Injection map 14A (raw)", 1);
    MapTable(out, im, "Injection map 23A (raw)", 2);
    MapTable(out, im, "Injection map B (raw)", 3);
    MapTable(out, im, "Injection map IAP (raw)", 4);
}

}  // namespace korvane::cli
