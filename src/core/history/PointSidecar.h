#pragma once

// The sidecar of a restore point: a small INI file, written with the
// program's INI keeper, that a person may read and edit:
//
//     [RestorePoint]
//     Kind=program
//     Time=2026-12-08 13:22:05.123 +0100
//     Confirmed=1
//     Model=11
//     Firmware=ABC05
//     ProgramCount=17
//     Source=/home/jan/tunes/race.ign
//     Note=new jets\n2nd try
//
// Text values are kept on one line: a backslash, a line break, a tab, any
// other control character and a blank at either end are written as escapes
// (\\, \n, \r, \t, \xHH, \x20). A value is cut so that its escaped form fits
// the keeper's 2047 characters, never inside a UTF-8 character.

#include "history/PointName.h"
#include "settings/IniFile.h"

#include <optional>
#include <string>
#include <string_view>

namespace korvane::history {

inline constexpr std::string_view SidecarSection = "RestorePoint";

struct PointDetails {
    PointKind kind = PointKind::Other;
    SystemTime time;
    bool confirmed = false;            // a program point whose closing verify passed
    std::optional<int> model;          // the motorcycle type code
    std::string firmware;              // the unit's firmware text from the header
    std::optional<int> programCount;   // the unit's number of programmings, when known
    std::string source;                // the file the image came from, if any
    std::string note;                  // the user's own words
};

// Writes details into ini's section, keeping every other line of it.
void StoreDetails(settings::IniFile &ini, const PointDetails &details);

// nullopt when the section has no known kind or no readable time: such a
// sidecar is broken and the point is named by its file name.
[[nodiscard]] std::optional<PointDetails> ParseDetails(const settings::IniFile &ini);

[[nodiscard]] std::string EscapeValue(std::string_view text);
[[nodiscard]] std::string UnescapeValue(std::string_view text);

}  // namespace korvane::history
