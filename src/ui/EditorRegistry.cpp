#include "EditorRegistry.h"

#include "NumericEditor.h"
#include "RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>

#include <set>

namespace korvane::ui {

namespace {

constexpr std::string_view MapAllControl = "CheckBoxAll_Map";

template <typename Map>
auto Lookup(const Map &map, std::string_view control) -> typename Map::mapped_type
{
    const auto found = map.find(control);
    return found == map.end() ? nullptr : found->second;
}

void SetChecked(QCheckBox *box, bool ticked)
{
    const QSignalBlocker blocker(box);
    box->setChecked(ticked);
}

}  // namespace

void EditorRegistry::addNumeric(std::string_view control, NumericEditor *editor)
{
    m_numeric[std::string(control)].append(editor);
}

void EditorRegistry::addCheck(std::string_view control, QCheckBox *box)
{
    m_check[std::string(control)] = box;
}

void EditorRegistry::addRadio(std::string_view control, RadioGroup *group)
{
    m_radio[std::string(control)] = group;
}

void EditorRegistry::addCombo(std::string_view control, QComboBox *list)
{
    m_combo[std::string(control)] = list;
}

NumericEditor *EditorRegistry::numeric(std::string_view control, std::size_t index) const
{
    const auto found = m_numeric.find(control);
    if (found == m_numeric.end() || index >= static_cast<std::size_t>(found->second.size())) {
        return nullptr;
    }
    return found->second.at(static_cast<qsizetype>(index));
}

QList<NumericEditor *> EditorRegistry::numerics(std::string_view control) const
{
    const auto found = m_numeric.find(control);
    return found == m_numeric.end() ? QList<NumericEditor *>{} : found->second;
}

QCheckBox *EditorRegistry::check(std::string_view control) const
{
    return Lookup(m_check, control);
}

RadioGroup *EditorRegistry::radio(std::string_view control) const
{
    return Lookup(m_radio, control);
}

QComboBox *EditorRegistry::combo(std::string_view control) const
{
    return Lookup(m_combo, control);
}

void EditorRegistry::applyDesign() const
{
    // The table lists pages in tab order, so the first row of a control is
    // the advance page's row for the shared map group.
    std::set<std::string_view> done;
    for (const pages::EditorBinding &binding : pages::EditorBindings()) {
        if (!done.insert(binding.control).second) {
            continue;
        }
        switch (binding.kind) {
        case pages::ControlKind::Numeric:
            for (NumericEditor *editor : numerics(binding.control)) {
                editor->setRange(binding.min, binding.max);
                editor->setStep(binding.step);
                editor->setValue(binding.initial);
            }
            break;
        case pages::ControlKind::Check:
            if (QCheckBox *box = check(binding.control)) {
                SetChecked(box, binding.initial != 0);
            }
            break;
        case pages::ControlKind::Radio:
            if (RadioGroup *group = radio(binding.control)) {
                group->setItemIndex(binding.initial);
            }
            break;
        case pages::ControlKind::Combo:
            if (QComboBox *list = combo(binding.control); list != nullptr && binding.initial >= 0) {
                const QSignalBlocker blocker(list);
                list->setCurrentIndex(binding.initial);
            }
            break;
        }
    }
}

pages::PageValues EditorRegistry::read(std::uint8_t page) const
{
    pages::PageValues result;
    result.page = page;
    for (const pages::EditorBinding *binding : pages::BindingsOfPage(page)) {
        for (std::size_t index = 0; index < binding->count; ++index) {
            // A control that was never registered keeps its design value.
            int value = binding->initial;
            switch (binding->kind) {
            case pages::ControlKind::Numeric:
                if (NumericEditor *editor = numeric(binding->control, index)) {
                    value = editor->value();
                }
                break;
            case pages::ControlKind::Check:
                if (const QCheckBox *box = check(binding->control)) {
                    value = box->isChecked() ? 1 : 0;
                }
                break;
            case pages::ControlKind::Radio:
                if (const RadioGroup *group = radio(binding->control)) {
                    value = group->itemIndex();
                }
                break;
            case pages::ControlKind::Combo:
                if (const QComboBox *list = combo(binding->control)) {
                    value = list->currentIndex();
                }
                break;
            }
            result.values.push_back(value);
        }
    }
    if (pages::IsMapPage(page)) {
        const QCheckBox *all = check(MapAllControl);
        result.all = all != nullptr && all->isChecked();
    }
    return result;
}

void EditorRegistry::write(const pages::PageValues &values) const
{
    std::size_t position = 0;
    for (const pages::EditorBinding *binding : pages::BindingsOfPage(values.page)) {
        for (std::size_t index = 0; index < binding->count && position < values.values.size();
             ++index, ++position) {
            writeOne(*binding, index, values.values[position]);
        }
    }
    if (pages::IsMapPage(values.page)) {
        if (QCheckBox *all = check(MapAllControl)) {
            SetChecked(all, values.all);
        }
    }
}

void EditorRegistry::writeOne(const pages::EditorBinding &binding, std::size_t index, int value) const
{
    switch (binding.kind) {
    case pages::ControlKind::Numeric:
        if (NumericEditor *editor = numeric(binding.control, index)) {
            // The cell maximum differs between map pages: a value above the
            // old maximum must not be clamped by it.
            editor->setRange(binding.min, binding.max);
            editor->setValue(value);
        }
        break;
    case pages::ControlKind::Check:
        if (QCheckBox *box = check(binding.control)) {
            SetChecked(box, value != 0);
        }
        break;
    case pages::ControlKind::Radio:
        if (RadioGroup *group = radio(binding.control)) {
            group->setItemIndex(value);
        }
        break;
    case pages::ControlKind::Combo:
        // A type code without an entry shows no model at all: showing the old
        // one would let the next take-over write it into the image.
        if (QComboBox *list = combo(binding.control); list != nullptr) {
            const QSignalBlocker blocker(list);
            list->setCurrentIndex(value);
        }
        break;
    }
}

}  // namespace korvane::ui
