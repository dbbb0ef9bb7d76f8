#pragma once

// The content of a tune sheet, independent of how it is printed: a header,
// optionally the differences from another parameter set, and one section per
// page that the parameters let the user see, with every map and curve as a
// table with its axes and the other settings as caption/value rows. Cells
// that differ from the other set carry its value.

#include "model/ConfigImage.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korvane::history {

struct SheetCell {
    std::string text;
    std::string other;     // the other set's value where it differs
    bool differs = false;  // print bold, with other beside it
    bool heading = false;  // an axis, a row label or a column head
};

struct SheetTable {
    std::string title;  // group or map name; may be empty
    std::vector<std::vector<SheetCell>> rows;
};

struct SheetSection {
    std::uint8_t page = 0;
    std::string title;
    std::vector<SheetTable> tables;
};

struct SheetField {
    std::string caption;
    std::string value;
};

struct TuneSheet {
    std::string title;
    std::vector<SheetField> header;  // model, file, firmware, date; what it was compared with
    // With a comparison: "Differences: N" and a table of page, parameter,
    // value, other value and difference; empty title without one.
    std::string summaryTitle;
    std::string legend;  // how differing values are marked
    SheetTable summary;
    std::vector<SheetSection> sections;
};

struct SheetRequest {
    model::ConfigImage image{};
    std::string name;  // the file, restore point or unit the set came from
    std::optional<model::ConfigImage> against;
    std::string againstName;
    std::string date;  // formatted by the caller
    std::uint8_t language = 0;
};

[[nodiscard]] TuneSheet BuildTuneSheet(const SheetRequest &request);

// The pages whose tabs the parameters show, in tab order.
[[nodiscard]] std::vector<std::uint8_t> VisiblePages(const model::ConfigImage &image);

// The firmware as the unit's header gives it ("ABC05  7. 3.2005 09:05"), or
// empty when the image holds no header from a unit.
[[nodiscard]] std::string FirmwareText(const model::ConfigImage &image);

}  // namespace korvane::history
