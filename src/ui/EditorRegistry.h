#pragma once

// The editors of the window by control name, in index order, so that the
// editor values of a page can be read and written by the binding table.

#include "pages/PageEditor.h"

#include <QList>
#include <QString>

#include <map>
#include <string>
#include <string_view>

class QCheckBox;
class QComboBox;

namespace korvane::ui {

class NumericEditor;
class RadioGroup;

class EditorRegistry {
public:
    // Controls of a run are added in index order (a map row by row).
    void addNumeric(std::string_view control, NumericEditor *editor);
    void addCheck(std::string_view control, QCheckBox *box);
    void addRadio(std::string_view control, RadioGroup *group);
    void addCombo(std::string_view control, QComboBox *list);

    [[nodiscard]] NumericEditor *numeric(std::string_view control, std::size_t index = 0) const;
    [[nodiscard]] QList<NumericEditor *> numerics(std::string_view control) const;
    [[nodiscard]] QCheckBox *check(std::string_view control) const;
    [[nodiscard]] RadioGroup *radio(std::string_view control) const;
    [[nodiscard]] QComboBox *combo(std::string_view control) const;

    // Ranges, steps and design values of every registered editor from the
    // binding table (the first map page's row for the shared map group).
    void applyDesign() const;

    // The editor values of page as the widgets hold them; typed text is
    // taken first (NumericEditor::value). On map pages `all` is the state of
    // "CheckBoxAll_Map".
    [[nodiscard]] pages::PageValues read(std::uint8_t page) const;
    // Writes the values into the widgets without firing any handler. A
    // numeric editor gets its range (the cell maximum of the map page)
    // before its value.
    void write(const pages::PageValues &values) const;

private:
    void writeOne(const pages::EditorBinding &binding, std::size_t index, int value) const;

    std::map<std::string, QList<NumericEditor *>, std::less<>> m_numeric;
    std::map<std::string, QCheckBox *, std::less<>> m_check;
    std::map<std::string, RadioGroup *, std::less<>> m_radio;
    std::map<std::string, QComboBox *, std::less<>> m_combo;
};

}  // namespace korvane::ui
