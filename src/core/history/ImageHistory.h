#pragma once

// Undo and redo of the configuration image.
//
// The window records one step for every change of the image made by the user
// (a take-over, a tool, a mode, New, Open, Read, a model change, a selection
// operation), after the change has been normalised, with the image before and
// after it:
//
//     const model::ConfigImage before = image;
//     ... change and normalise image ...
//     history.Record(label, before, image, mergeKey, std::chrono::steady_clock::now());
//
// Undo and Redo hand back the image to install and the step's label; the
// window installs it as an edit (RefreshAfterEdit), and does not record that.
//
// A step keeps only the bytes it changed (offset, value before, value after),
// so a single-cell step costs a few bytes and a whole-image step (a read) about
// 5 KB; 1000 such steps stay below 5 MB. Undo and redo therefore change only
// the step's bytes of the image the caller holds now: bytes that changed
// without a step (the unit's header taken over by a program run) keep their
// present values.

#include "model/ConfigImage.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace korvane::history {

class ImageHistory {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    static constexpr std::size_t MaxSteps = 1000;
    // Repeats of one merge key closer together than this make one step.
    static constexpr std::chrono::milliseconds MergeWindow{1000};

    // What Undo or Redo gives: the image to install and the label of the step
    // undone or redone ("Undo " + label in the menu).
    struct Applied {
        model::ConfigImage image;
        std::string label;
    };

    // Records a change from before to after. Drops whatever could be redone.
    // A change that changes no byte records nothing and keeps the redo steps.
    // mergeKey names a repeatable gesture (for example the action and the
    // cell's offset, "plus:550"); a repeat of the same non-empty key within
    // MergeWindow of the step's last change, with nothing undone in between,
    // joins the last step: it keeps that step's values before, takes the new
    // values after and the new label. A step merged back to no change at all
    // disappears. The oldest step goes when there would be more than MaxSteps.
    void Record(std::string label, const model::ConfigImage &before, const model::ConfigImage &after,
                std::string mergeKey, TimePoint time);

    [[nodiscard]] bool CanUndo() const { return m_done > 0; }
    [[nodiscard]] bool CanRedo() const { return m_done < m_steps.size(); }
    // Empty when there is nothing to undo or redo.
    [[nodiscard]] std::string UndoLabel() const;
    [[nodiscard]] std::string RedoLabel() const;
    [[nodiscard]] std::size_t UndoCount() const { return m_done; }
    [[nodiscard]] std::size_t RedoCount() const { return m_steps.size() - m_done; }

    // current with the last step's bytes set back to their values before it;
    // nullopt when there is nothing to undo.
    [[nodiscard]] std::optional<Applied> Undo(const model::ConfigImage &current);
    // current with the next step's bytes set to their values after it;
    // nullopt when there is nothing to redo.
    [[nodiscard]] std::optional<Applied> Redo(const model::ConfigImage &current);

private:
    struct Change {
        std::uint16_t offset;
        std::uint8_t before;
        std::uint8_t after;
    };
    struct Step {
        std::string label;
        std::string mergeKey;
        TimePoint time;               // of the step's last change
        std::vector<Change> changes;  // by rising offset
    };

    [[nodiscard]] bool mergesWithLast(const std::string &mergeKey, TimePoint time) const;
    static void MergeInto(Step &step, const std::vector<Change> &later);

    std::deque<Step> m_steps;
    std::size_t m_done = 0;     // steps that can be undone; the rest can be redone
    bool m_mergeable = false;   // false after an undo or redo: the next record starts a step
};

}  // namespace korvane::history
