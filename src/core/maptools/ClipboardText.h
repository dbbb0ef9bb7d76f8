#pragma once

// Copy and paste as text/plain, the form spreadsheets exchange.
//
// Copy: one line per selected row, the values tab-separated in editor units,
// no digit grouping, every line ending in '\n' (a whole map: 10 lines of 15
// fields).
//
// Paste: the text's lines go into the table from the given cell down, each
// line's fields from that cell's column to the right. Accepted: fields
// separated by tabs, or else by ';', or else by runs of blanks (decided per
// line: a line holding a tab splits at tabs, else one holding ';' at ';');
// blanks around a field; trailing separators; '\n' or "\r\n" line ends; empty
// lines at the end. A field is a whole number with an optional sign, written
// plainly or with the locale's digit grouping (groups of three digits after
// the first group, e.g. "1,500", "1.500", "1 500" with a no-break space).
// Refused, with nothing written and the first bad field named (line and
// field counted from 1, in reading order): a field that is not a whole number
// (an empty field between two separators included), a field that falls
// outside the table from that cell, a text without any field. Values beyond a
// cell's range are limited like any other result; a shorter line leaves the
// rest of its row as it is.

#include "maptools/Operations.h"
#include "maptools/Sheets.h"
#include "model/ConfigImage.h"

#include <string>
#include <string_view>

namespace korvane::maptools {

[[nodiscard]] std::string CopyText(const model::ConfigImage &image, SheetId sheet, const Selection &selection);

// grouping: the locale's group separator as a Unicode code point (',' '.'
// U+00A0 U+202F '\'' ...), or NoGrouping for plain digits only. A blank-like
// separator (space, U+00A0, U+202F) accepts any of the three. The text is UTF-8.
inline constexpr char32_t NoGrouping = 0;

// Parses text and writes it from cell `at` through the take-over rules.
[[nodiscard]] EditResult PasteText(const model::ConfigImage &image, SheetId sheet, CellPos at, std::string_view text,
                                   char32_t grouping);

}  // namespace korvane::maptools
