#pragma once

// The widgets of the window that stand for the controls the printout hides.

#include <QList>

#include <string_view>

class QWidget;

namespace korvane::ui {
class EditorRegistry;
}

namespace korvane::print {

// For a registered numeric editor its spin parts; else the widgets of that
// object name; else, for a run of count > 1, the widgets name0, name1, ...
// Controls of the table that this window does not build give none.
[[nodiscard]] QList<QWidget *> FindControls(const QWidget &root, const ui::EditorRegistry &registry,
                                            std::string_view name, int count);

// Every control of the printout's table.
[[nodiscard]] QList<QWidget *> FindPrintHiddenControls(const QWidget &root, const ui::EditorRegistry &registry);

}  // namespace korvane::print
