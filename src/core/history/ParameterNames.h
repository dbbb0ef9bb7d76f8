#pragma once

// What each editor is called: the caption beside it on its page, in the
// chosen language, read from the caption table. Editors in a group are named
// with the group ("N2O, Delay [ms]"), points of a curve or an axis with their
// number ("Servo [mV], Point 4"), map cells by engine speed and row
// ("Advance 4000 rpm / 60 %").

#include "model/ConfigImage.h"
#include "pages/EditorBindings.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace korvane::history {

// The group of the bytes that no editor shows comes after the eleven pages.
inline constexpr std::uint8_t OtherBytesPage = 11;

// The tab caption of a page (or the name of the other bytes' group).
[[nodiscard]] std::string PageName(std::uint8_t page, std::uint8_t language);

// "30 %": the throttle row of a map, or the manifold-pressure row on Inj-IAP.
[[nodiscard]] std::string MapRowText(std::uint8_t page, std::size_t row);

enum class NameStyle : std::uint8_t {
    Plain,        // group and label
    Point,        // group, label and "Point N"
    Temperature,  // group, label and the temperature of the row
    MapAxis,      // page, "RPM" and "Point N"
    MapCell,      // page, engine speed of the column and row breakpoint
    MapExtra,     // the extra editor's caption of the page
};

// Names the editors of one binding; the captions are looked up once.
class BindingNamer {
public:
    BindingNamer(const pages::EditorBinding &binding, std::uint8_t language);

    // The name of editor index of the run. A map cell takes its engine speed
    // from the axis that axisImage holds for the map.
    [[nodiscard]] std::string Name(std::size_t index, const model::ConfigImage &axisImage) const;

    [[nodiscard]] NameStyle style() const { return m_style; }
    // Point: the point of the first editor, counted from 0.
    [[nodiscard]] int firstPoint() const { return m_firstPoint; }
    // The parts for a table: the group's caption, the label beside the row.
    [[nodiscard]] const std::string &group() const { return m_group; }
    [[nodiscard]] const std::string &label() const { return m_label; }
    // Group and label joined: the name without a point.
    [[nodiscard]] const std::string &prefix() const { return m_prefix; }

private:
    const pages::EditorBinding &m_binding;
    std::uint8_t m_language;
    NameStyle m_style = NameStyle::Plain;
    int m_firstPoint = 0;
    std::string m_group;
    std::string m_label;
    std::string m_prefix;
    // Around the number of a point; after the engine speed of a map cell.
    std::string m_before;
    std::string m_after;
};

// A byte in the editor's units, not clamped to the editor's range, so that
// two bytes that differ never show as the same number. Check boxes, radio
// groups and the model list give the byte itself.
[[nodiscard]] int EditorValue(const pages::EditorBinding &binding, std::uint8_t byte);
// A byte as its editor shows it: the number, "ticked", the radio item or the
// model; a byte that a check box or radio group shows like another carries
// its raw value in brackets ("ticked (5)").
[[nodiscard]] std::string ValueText(const pages::EditorBinding &binding, std::uint8_t byte, std::uint8_t language);

// The name of the Jet 14-23 menu and of its three choices; a byte above 2
// names no choice.
[[nodiscard]] std::string JetModeName(std::uint8_t language);
[[nodiscard]] std::string JetModeChoice(std::uint8_t mode, std::uint8_t language);

// The model list's text of a type code, blanks tidied; "unknown (code)" for
// a code without an item.
[[nodiscard]] std::string ModelName(std::uint8_t bikeType, std::uint8_t language);

// A caption as a part of a name: no access-key ampersand, no trailing colon,
// single blanks.
[[nodiscard]] std::string TidyCaption(std::string_view caption);

}  // namespace korvane::history
