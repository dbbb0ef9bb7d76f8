#pragma once

// Texts of the safety net (undo and redo, restore points, compare), four
// languages per row (English, German, French, Czech), UTF-8. Menu texts carry
// their access letters as '&'. "%1" and "%2" stand for values filled in by
// HistoryText's second form.
//
// Access letters of the new menu "Edit", free among the other menus and the
// tool-bar buttons of each language: English "&Edit" E, German "&Bearbeiten" B,
// French "É&dition" D, Czech "Úp&ravy" R. The items of the Edit menu have
// letters of their own, unique within it, and so have the new items of the
// File menu among the old ones.

#include "lang/Texts.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace korvane::lang {

enum class HistoryTextId {
    // Step labels, shown after "Undo" and "Redo".
    StepEdit,         // a change of the image without a description of its own
    StepNew,
    StepOpen,
    StepRead,         // the whole image replaced by the unit's
    StepModelChange,
    StepJetMode,      // "%1: %2", menu "Jet 14-23" and its item; see JetModeStepLabel
    StepPlus,         // F5
    StepMinus,        // F4
    StepColumnUp,
    StepColumnDown,
    StepPositionAMinus,
    StepPositionAPlus,
    StepPositionBMinus,
    StepPositionBPlus,
    StepServoMinus,
    StepServoPlus,
    StepTps0,
    StepTps100,
    StepRestorePoint,  // a restore point opened into the image
    StepLambdaAdvice,  // lambda advice applied
    StepTakeOther,     // "take the other value" of a compare
    StepSetValue,
    StepAddSteps,
    StepScale,
    StepInterpolate,
    StepSmooth,
    StepPaste,

    // Edit menu.
    MenuEdit,
    MenuUndo,        // nothing to undo
    MenuUndoStep,    // "%1" the step's label
    MenuRedo,
    MenuRedoStep,
    MenuChangesNotInUnit,
    MenuOptions,
    MenuBackupBeforeProgram,

    // File menu.
    MenuHistory,
    MenuCompareFile,
    MenuCompareUnit,
    MenuExportSheet,

    // History dialog.
    HistoryTitle,
    ColumnTime,
    ColumnKind,
    ColumnModel,
    ColumnFirmware,
    ColumnNote,
    ColumnDifferences,
    ColumnFile,
    ButtonOpen,
    ButtonCompare,
    ButtonClose,
    KindRead,
    KindProgram,
    KindProgramConfirmed,
    KindBackup,   // the unit read before programming
    KindAdvice,   // the image before lambda advice
    KindOther,    // a file the program did not name
    Unreadable,

    // Status and messages.
    FolderNotWritable,  // "%1" the folder, "%2" the reason
    ChangesNotInUnitOne,   // "%1" the count; see ChangesNotInUnitText
    ChangesNotInUnitFew,   // 2 to 4 (Czech)
    ChangesNotInUnitMany,

    Count
};

struct HistoryTextRow {
    HistoryTextId id;
    std::array<std::string_view, LanguageCount> text;
};

// Every row, in the order of HistoryTextId.
[[nodiscard]] std::span<const HistoryTextRow> HistoryTextRows();

// The text of id in language; a language above 3 reads as English.
[[nodiscard]] std::string HistoryText(HistoryTextId id, std::uint8_t language);
// The same with "%1" and "%2" replaced (values are not searched for them).
[[nodiscard]] std::string HistoryText(HistoryTextId id, std::uint8_t language, std::string_view first,
                                      std::string_view second = {});

// Step label of a Jet 14-23 mode (0 separate, 1 coupled, 2 "14 = 23"), in the
// wording of the menu: "Jet 14-23: Coupled".
[[nodiscard]] std::string JetModeStepLabel(std::uint8_t mode, std::uint8_t language);

// The Edit menu's undo and redo items for a step label; an empty label gives
// the bare item. Ampersands of the label are doubled so that they show.
[[nodiscard]] std::string UndoMenuText(std::string_view label, std::uint8_t language);
[[nodiscard]] std::string RedoMenuText(std::string_view label, std::uint8_t language);

// "3 changes not in the unit", in the plural form the language wants.
[[nodiscard]] std::string ChangesNotInUnitText(std::size_t count, std::uint8_t language);

}  // namespace korvane::lang
