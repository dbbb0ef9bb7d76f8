#pragma once

// The texts of the ride logs and the lambda advisor, four languages per row
// (English, German, French, Czech), UTF-8. Menu items carry their access-key
// ampersand; reasons are lower-case phrases that follow a count or a colon.

#include <cstdint>
#include <string_view>

namespace korvane::logs {
enum class RejectReason : std::uint8_t;
enum class SkipReason : std::uint8_t;
}  // namespace korvane::logs

namespace korvane::lang {

enum class LogTextId {
    // Why the advisor did not take a frame, in the order of logs::RejectReason.
    RejectEngineStopped,
    RejectNoCell,
    RejectRunningShort,
    RejectCoolantCold,
    RejectThrottleJump,
    RejectCellChanged,
    RejectFuelCut,
    RejectSensorNotReady,
    RejectOutsideZone,
    RejectBetweenCells,
    RejectTransient,
    RejectLogEnded,
    Richer,
    Leaner,
    Replay,             // status area while a log is replayed
    ReplayLogMenu,      // File menu
    ApplyLambdaAdvice,  // Tools menu
    LockCell,           // table context menu
    FolderUnwritable,   // followed by the folder and the reason
    // Why the reader skipped a row, in the order of logs::SkipReason.
    SkipCutOff,
    SkipCellCount,
    SkipBadTime,
    SkipTimeBackwards,
    SkipBadFrame,
    SkipFrameCheck,
    SkipBadValue,
    // Tooltips of the map cells; "%1" ... stand for the numbers.
    CellFrames,         // "%1" frames the marker put on the cell since the last reset
    CellEvidence,       // "%1" samples, "%2" lean share, "%3" rich share
    CellLocked,         // the user locked the cell
    CellAtRail,         // advice given, but the cell is at its rail already
    Count
};

// The text of id in language; a language above 3 reads as English.
[[nodiscard]] std::string_view LogText(LogTextId id, std::uint8_t language);

// The rows of the reasons follow the order of the enums (checked where both are known).
[[nodiscard]] std::string_view RejectReasonText(logs::RejectReason reason, std::uint8_t language);
[[nodiscard]] std::string_view SkipReasonText(logs::SkipReason reason, std::uint8_t language);

}  // namespace korvane::lang
