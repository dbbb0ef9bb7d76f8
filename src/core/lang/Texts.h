#pragma once

// Every text the user sees, four languages per row (English, German, French,
// Czech), UTF-8. The captions of the window's controls are in Captions.h.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvane::lang {

enum Language : std::uint8_t { English = 0, German = 1, French = 2, Czech = 3 };
inline constexpr std::uint8_t LanguageCount = 4;

// The message texts, in the order in which they are applied.
enum class TextId {
    ManualFile,
    ProgramError,
    VerifyError,
    ReadError,
    Programming,
    Verifying,
    Reading,
    Saving,
    UnitVersionMismatch,
    ComOpenError,
    FileOpenError,
    FileVersionMismatch,
    AskDefaults,
    PrintHeader,
    ManualOpenError,
    Advance,
    ProgramCount,
    Blocking,
    StartLimiter,
    Yes,
    No,
    InjectionTime,
    MaxInjection,
    Position,
    ServoDesired,
    ServoMeasured,
    FallSensor,
    Cooling,
    Gear,
    BaseAdvance,
    IapToTp,
    PrintError,  // the printout failed or no printer is set up
    Unit,        // the version label while the layouts match: "Unit: " ...
    UnitLayout,  // ... the firmware text and ", ", then "layout " and its number
    Count
};

// The text of id in language; a language above 3 reads as English.
// ManualOpenError is composed from its prefix, the manual's file name and " !".
[[nodiscard]] std::string MessageText(TextId id, std::uint8_t language);

// "ENGLISH", "DEUTSCH", "FRENCH", "CESKY" (exact, case-sensitive) -> index.
[[nodiscard]] std::optional<std::uint8_t> LanguageFromArgument(std::string_view argument);

}  // namespace korvane::lang
