#pragma once

// Colours of labels, edits and gauges. A colour is set only where it changes,
// so a tick that brings the same values repaints nothing.

#include "link/Colour.h"

#include <QColor>

class QWidget;

namespace korvane::ui {

// Normal maps to the window face colour (labels) of the current palette.
[[nodiscard]] QColor ToQColor(link::Colour colour);
inline const QColor MarkerGreen{0, 255, 0};

// Background of a label or other widget; an invalid colour restores the
// palette's own and lets the parent show through. Returns false (and
// touches nothing) when unchanged.
bool SetBackground(QWidget *widget, const QColor &colour);
// Text colour, same rule.
bool SetForeground(QWidget *widget, const QColor &colour);
// Text, same rule (QLabel only).
bool SetLabelText(QWidget *label, const QString &text);

}  // namespace korvane::ui
