#pragma once

// The differences of two parameter sets, as the user sees them: one entry per
// editor whose bytes differ, named by its caption in the chosen language,
// with both values in editor units. Entries come grouped by page in tab order
// and, within a page, in the order the page takes its editors over; the bytes
// that no editor shows come last, as "byte N" with raw values.
//
// A map cell is named by the engine speed of its column on image a's axis.
// When the axes differ, the axis points appear as entries of their own; the
// cell keeps the name a gives it.

#include "model/ConfigImage.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvane::history {

enum class EntryKind : std::uint8_t {
    MapCell,  // a cell of a 10 x 15 map
    Value,    // a numeric editor: scalar, curve or axis point
    Check,    // a check box
    Choice,   // a radio group or the Jet 14-23 menu
    Model,    // the motorcycle model list
    Byte,     // a byte that no editor shows
};

struct DiffOptions {
    std::uint8_t language = 0;
    bool includeHeader = false;  // compare block 0, the unit's header, too
    // Every editor, equal ones too, for a side-by-side listing; bytes that no
    // editor shows still only where they differ.
    bool includeEqual = false;
};

struct DiffEntry {
    std::uint8_t page = 0;      // 0..10 in tab order, or OtherBytesPage (ParameterNames.h)
    EntryKind kind = EntryKind::Value;
    // The binding (pages/EditorBindings.h) whose editor shows the value, e.g.
    // "UpDownMapCell", "CheckBoxGas", "ComboBoxBike"; "Menu_Jet123Mode" for
    // the Jet 14-23 menu; empty for a byte that no editor shows.
    std::string_view control;
    std::uint16_t index = 0;    // editor within the binding's run: cell 15 * row + column, point i
    std::int8_t row = -1;       // map row 0..9, else -1
    std::int8_t column = -1;    // map column or curve point 0..14, else -1
    std::string parameter;      // name in the chosen language
    std::string a;              // value as shown for image a
    std::string b;
    // Numeric kinds (MapCell, Value, Byte): editor values, not clamped to
    // the editor's range so that differing bytes never read as equal. Other
    // kinds: the bytes.
    int valueA = 0;
    int valueB = 0;
    // Offsets this entry stands for; the model also carries the two bytes
    // that follow the type code.
    std::array<std::uint16_t, 3> offsets{};
    std::uint8_t offsetCount = 1;

    [[nodiscard]] bool hasDelta() const
    {
        return kind == EntryKind::MapCell || kind == EntryKind::Value || kind == EntryKind::Byte;
    }
    [[nodiscard]] int delta() const { return valueB - valueA; }
    // The difference with its sign, "+5" or "-5"; empty where there is none.
    [[nodiscard]] std::string deltaText() const;
    // Values never read as equal when their bytes differ, so this holds for every kind.
    [[nodiscard]] bool differs() const { return valueA != valueB; }
    [[nodiscard]] std::span<const std::uint16_t> coveredOffsets() const { return {offsets.data(), offsetCount}; }
};

[[nodiscard]] std::vector<DiffEntry> ImageDiff(const model::ConfigImage &a, const model::ConfigImage &b,
                                               const DiffOptions &options = {});

// The entries of one page: a contiguous part of an ImageDiff result.
[[nodiscard]] std::span<const DiffEntry> EntriesOfPage(std::span<const DiffEntry> entries, std::uint8_t page);

// The entry of one editor (binding control on page, editor index), or nullptr
// when that editor shows equal values.
[[nodiscard]] const DiffEntry *FindEntry(std::span<const DiffEntry> entries, std::uint8_t page,
                                         std::string_view control, std::size_t index = 0);

// Copies the bytes of the chosen entries from b into a ("take the other
// value"). The caller normalises and shows the image afterwards.
void ApplyOther(model::ConfigImage &a, const model::ConfigImage &b, std::span<const DiffEntry> entries);

// The label of an undo step that changed before into after: "Advance 4000
// rpm / 60 %: 35 → 36" for one editor, "Injection - 14: 12 changes" (the
// page's tab caption) for several on one page, "40 changes" across pages;
// empty when nothing changed. A cell that the Inj-23A map followed in
// Coupled or "14 = 23" mode counts once.
[[nodiscard]] std::string DescribeChange(const model::ConfigImage &before, const model::ConfigImage &after,
                                         std::uint8_t language);

}  // namespace korvane::history
