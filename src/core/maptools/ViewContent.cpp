#include "maptools/ViewContent.h"

#include "lang/Captions.h"
#include "lang/MapToolsTexts.h"
#include "pages/EditorBindings.h"
#include "pages/Pages.h"

#include <stdexcept>
#include <string_view>

namespace korvane::maptools {
namespace {

// The temperatures of the five rows of the temperature corrections.
constexpr std::array<int, 5> CorrectionTemperatures{-10, 20, 50, 80, 110};
// The start correction ends at 100 % at its last time point.
constexpr int StartCorrectionEnd = 100;

std::string Caption(std::string_view control, std::uint8_t language)
{
    return lang::CaptionText(control, lang::CaptionProperty::Caption, language);
}

std::string Text(lang::MapText id, std::uint8_t language) { return std::string(lang::MapToolsText(id, language)); }

// The editor value of element index of control's run of editors on page.
int EditorValue(const model::ConfigImage &image, std::uint8_t page, std::string_view control, std::size_t index = 0)
{
    const pages::EditorBinding *binding = pages::FindBinding(page, control);
    if (binding == nullptr || index >= binding->count)
        throw std::logic_error("no editor " + std::string(control));
    return pages::ImageToEditor(*binding, image[binding->offset + index]);
}

SurfaceContent Surface(const model::ConfigImage &image, const pages::Marker &marker, SheetId sheet,
                       std::uint8_t language)
{
    SurfaceContent s;
    s.sheet = sheet;
    const std::size_t rows = RowCount(sheet);
    s.values.reserve(rows * ColumnCount);
    for (std::size_t r = 0; r < rows; ++r)
        for (std::size_t c = 0; c < ColumnCount; ++c)
            s.values.push_back(CellValue(image, sheet, {r, c}));
    for (std::size_t c = 0; c < ColumnCount; ++c)
        s.rpm[c] = AxisValue(image, sheet, c);
    for (const std::uint8_t position : RowPositions(sheet))
        s.rowPositions.push_back(position);
    s.range = CellRange(sheet);
    s.marks = MarksOf(marker, sheet);
    s.title = Caption("MapPage" + std::to_string(PageOf(sheet)), language);
    s.columnAxis = Text(lang::MapText::EngineSpeedAxis, language);
    s.rowAxis = Text(sheet == SheetId::InjIap ? lang::MapText::PressureAxis : lang::MapText::ThrottleAxis, language);
    s.valueUnit = sheet == SheetId::Advance ? "[°]" : "";
    s.turnHint = Text(lang::MapText::TurnHint, language);
    s.pointLegend = Text(lang::MapText::OperatingPoint, language);
    s.selectionLegend = Text(lang::MapText::SelectionMark, language);
    return s;
}

// A curve of a table: its rpm row across, its cells up.
PlotSeries CurveSeries(const model::ConfigImage &image, SheetId sheet, std::string name,
                       const pages::Marker &marker)
{
    PlotSeries series;
    series.name = std::move(name);
    for (std::size_t c = 0; c < ColumnCount; ++c) {
        series.x.push_back(AxisValue(image, sheet, c));
        series.y.push_back(CellValue(image, sheet, {0, c}));
    }
    if (const std::optional<CellPos> cell = MarksOf(marker, sheet).cell)
        series.marked = cell->column;
    return series;
}

std::vector<Plot> PositionPlots(const model::ConfigImage &image, const pages::Marker &marker, std::uint8_t language)
{
    Plot plot{Caption("TabSheet_Poloha", language), Text(lang::MapText::EngineSpeedAxis, language), "[°]", {}, {}};
    plot.series.push_back(CurveSeries(image, SheetId::PositionA, Caption("GroupBoxPolohaA", language), marker));
    plot.series.push_back(CurveSeries(image, SheetId::PositionB, Caption("GroupBoxPolohaB", language), marker));
    return {plot};
}

std::vector<Plot> ServoPlots(const model::ConfigImage &image, const pages::Marker &marker, std::uint8_t language)
{
    Plot plot{Caption("GroupBoxServo", language), Text(lang::MapText::EngineSpeedAxis, language), "[mV]", {}, {}};
    plot.series.push_back(CurveSeries(image, SheetId::Servo, Caption("GroupBoxServo", language), marker));
    return {plot};
}

std::vector<Plot> CorrectionPlots(const model::ConfigImage &image, const pages::Marker &marker,
                                  std::uint8_t language)
{
    using pages::KorekcePage;
    Plot temperatures{Caption("GroupBoxVodaVzduch", language), Text(lang::MapText::TemperatureAxis, language),
                      "[%]", {}, {}};
    PlotSeries coolant{Caption("LabelVoda2", language), {}, {}, marker.coolantRow};
    PlotSeries air{Caption("LabelVzduch2", language), {}, {}, marker.airRow};
    for (std::size_t k = 0; k < CorrectionTemperatures.size(); ++k) {
        coolant.x.push_back(CorrectionTemperatures[k]);
        coolant.y.push_back(EditorValue(image, KorekcePage, "UpDownKorVoda", k));
        air.x.push_back(CorrectionTemperatures[k]);
        air.y.push_back(EditorValue(image, KorekcePage, "UpDownKorVzduch", k));
    }
    temperatures.series = {coolant, air};

    // Point 0 at 0 s, points 1..3 at the first three times, point 4 at the
    // last time with 100 %.
    Plot start{Caption("GroupBoxSytic", language), Caption("LabelSyticCas", language),
               Caption("LabelSyticKorekce", language), {}, {}};
    PlotSeries steps{start.title, {0}, {}, marker.startStep};
    for (int k = 0; k < 4; ++k) {
        steps.x.push_back(EditorValue(image, KorekcePage, "UpDownSyticCas" + std::to_string(k + 1)));
        steps.y.push_back(EditorValue(image, KorekcePage, "UpDownSyticKorekce" + std::to_string(k)));
    }
    steps.y.push_back(StartCorrectionEnd);
    start.series = {steps};
    return {temperatures, start};
}

}  // namespace

ViewContent ContentOfPage(const model::ConfigImage &image, const pages::Marker &marker, std::uint8_t page,
                          std::uint8_t language)
{
    ViewContent content;
    if (pages::IsMapPage(page))
        content.surface = Surface(image, marker, SheetsOfPage(page).front(), language);
    else if (page == pages::PolohaPage)
        content.plots = PositionPlots(image, marker, language);
    else if (page == pages::ServoPage)
        content.plots = ServoPlots(image, marker, language);
    else if (page == pages::KorekcePage)
        content.plots = CorrectionPlots(image, marker, language);
    else
        content.note = Text(lang::MapText::NoMapOnPage, language);
    for (Plot &plot : content.plots)
        plot.pointLegend = Text(lang::MapText::OperatingPoint, language);
    return content;
}

}  // namespace korvane::maptools
