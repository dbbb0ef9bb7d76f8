#include "history/ImageHistory.h"

#include <utility>

namespace korvane::history {

void ImageHistory::Record(std::string label, const model::ConfigImage &before, const model::ConfigImage &after,
                          std::string mergeKey, TimePoint time)
{
    std::vector<Change> changes;
    for (std::size_t i = 0; i < model::ImageSize; ++i) {
        if (before[i] != after[i]) {
            changes.push_back({static_cast<std::uint16_t>(i), before[i], after[i]});
        }
    }
    if (changes.empty()) {
        return;
    }

    const bool merge = mergesWithLast(mergeKey, time);
    m_steps.erase(m_steps.begin() + static_cast<std::ptrdiff_t>(m_done), m_steps.end());
    m_mergeable = true;

    if (merge) {
        Step &last = m_steps.back();
        MergeInto(last, changes);
        last.label = std::move(label);
        last.time = time;
        if (last.changes.empty()) {
            m_steps.pop_back();
            m_mergeable = false;
        }
    } else {
        m_steps.push_back({std::move(label), std::move(mergeKey), time, std::move(changes)});
        if (m_steps.size() > MaxSteps) {
            m_steps.pop_front();
        }
    }
    m_done = m_steps.size();
}

bool ImageHistory::mergesWithLast(const std::string &mergeKey, TimePoint time) const
{
    if (!m_mergeable || mergeKey.empty() || m_done == 0 || m_done != m_steps.size()) {
        return false;
    }
    const Step &last = m_steps.back();
    return last.mergeKey == mergeKey && time >= last.time && time - last.time < MergeWindow;
}

// A byte the earlier step did not change had, before the later one, the value
// it had before both; so the union of the two lists, with the earlier value
// before and the later value after, is the joint step.
void ImageHistory::MergeInto(Step &step, const std::vector<Change> &later)
{
    std::vector<Change> joint;
    joint.reserve(step.changes.size() + later.size());
    auto first = step.changes.begin();
    auto second = later.begin();
    while (first != step.changes.end() || second != later.end()) {
        Change change;
        if (second == later.end() || (first != step.changes.end() && first->offset < second->offset)) {
            change = *first++;
        } else if (first == step.changes.end() || second->offset < first->offset) {
            change = *second++;
        } else {
            change = {first->offset, first->before, second->after};
            ++first;
            ++second;
        }
        if (change.before != change.after) {
            joint.push_back(change);
        }
    }
    step.changes = std::move(joint);
}

std::string ImageHistory::UndoLabel() const
{
    return CanUndo() ? m_steps[m_done - 1].label : std::string();
}

std::string ImageHistory::RedoLabel() const
{
    return CanRedo() ? m_steps[m_done].label : std::string();
}

std::optional<ImageHistory::Applied> ImageHistory::Undo(const model::ConfigImage &current)
{
    if (!CanUndo()) {
        return std::nullopt;
    }
    const Step &step = m_steps[--m_done];
    m_mergeable = false;
    Applied applied{current, step.label};
    for (const Change &change : step.changes) {
        applied.image[change.offset] = change.before;
    }
    return applied;
}

std::optional<ImageHistory::Applied> ImageHistory::Redo(const model::ConfigImage &current)
{
    if (!CanRedo()) {
        return std::nullopt;
    }
    const Step &step = m_steps[m_done++];
    m_mergeable = false;
    Applied applied{current, step.label};
    for (const Change &change : step.changes) {
        applied.image[change.offset] = change.after;
    }
    return applied;
}

}  // namespace korvane::history
